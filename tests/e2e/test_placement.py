"""The ruler comes back where the user left it, turned or not, at any resolution, and is never lost off the screen."""
import pytest

from winebench import centre, click, drag, press_keys, wait_for, xdotool


def stored_rect(velmar):
    # The rectangle in "Fenster" once it is there.
    value = wait_for(lambda: velmar.saved_value("Fenster"), what="the place to be stored")
    return [int(number) for number in value[1].split()[:4]]


def test_moved_resized_turned_and_nudged_rulers_come_back_where_they_were(velmar):
    rect = velmar.start()["rect"]
    assert velmar.saved_value("Fenster") is None, "nothing is stored before the ruler is moved"
    drag((rect[0] + 200, rect[1] + 12), (rect[0] + 100, rect[1] + 112), started=lambda: velmar.window()["moving"])
    moved = velmar.wait_for_rect([rect[0] - 100, rect[1] + 100, rect[2] - 100, rect[3] + 100], "the dragged ruler")["rect"]
    drag((moved[2] - 3, moved[3] - 3), (moved[2] - 103, moved[3] + 57), started=lambda: velmar.window()["moving"])
    sized = velmar.wait_for_rect([moved[0], moved[1], moved[2] - 100, moved[3] + 60], "the resized ruler")["rect"]
    assert stored_rect(velmar) == sized
    velmar.end()
    assert velmar.start()["rect"] == sized, "the same rectangle after a restart"
    click(sized[0] + 100, sized[1] + 15, repeat=2)  # turned about the click
    turned = wait_for(lambda: velmar.window()["rect"], lambda r: r[3] - r[1] > r[2] - r[0], "a turned ruler")
    wait_for(lambda: stored_rect(velmar), lambda r: r == turned, "the turn to be stored")
    velmar.end()
    assert velmar.start()["rect"] == turned, "still turned after a restart"
    # Shift+Left held at the left edge: the ruler stops with a piece of 40 pixels on the screen.
    velmar.place(10, 300, 300, 40)
    velmar.focus()
    velmar.pin_keyboard()  # the ruler leaves the mouse behind
    xdotool("keydown", "shift+Left")
    try:
        stopped = wait_for(lambda: velmar.window()["rect"], lambda r: r[2] == 40, "the ruler to stop at the edge", timeout=30)
    finally:
        xdotool("keyup", "shift+Left")
    wait_for(lambda: stored_rect(velmar), lambda r: r == stopped, "the nudged place to be stored once the keys are up")
    press_keys("Escape")  # its middle is off the screen: no click
    velmar.wait_exit()
    assert velmar.start()["rect"] == stopped


def test_a_place_that_cannot_be_shown_starts_centred(velmar):
    velmar.store({"Fenster": ("REG_SZ", "5000 5000 5300 5040 96")})  # on a monitor that is gone
    window = velmar.start()
    assert [window["rect"][2] - window["rect"][0], window["rect"][3] - window["rect"][1]] == [300, 40]
    assert max(abs(a - b) for a, b in zip(centre(window["rect"]), centre(window["workarea"]))) <= 1, window["rect"]


def test_a_place_stored_at_96_dpi_is_one_and_a_half_times_as_large_at_144(velmar):
    velmar.prefix.set_dpi(144)
    velmar.store({"Fenster": ("REG_SZ", "100 200 400 240 96")})
    assert velmar.start()["rect"] == [100, 200, 550, 260]


@pytest.mark.parametrize("stored", [("REG_SZ", "100 200 400"), ("REG_SZ", "100  200 400 240 96"), ("REG_SZ", "400 200 100 240 96"),
                                    ("REG_SZ", "100 200 400 240 961"), ("REG_SZ", "100 200 40000 240 96"), ("REG_DWORD", 100)])
def test_bad_places_leave_a_working_centred_ruler(velmar, stored):
    velmar.store({"Fenster": stored})
    window = velmar.start()
    assert max(abs(a - b) for a, b in zip(centre(window["rect"]), centre(window["workarea"]))) <= 3, window["rect"]
    velmar.focus()
    press_keys("Right")
    velmar.wait_for_rect([window["rect"][0] + 1, window["rect"][1], window["rect"][2] + 1, window["rect"][3]], "the ruler to answer")
