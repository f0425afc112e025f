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
    drag((moved[2] - 3, moved[3] - 3), (moved[0] - 100, moved[3] + 57), started=lambda: velmar.window()["moving"])
    velmar.wait_for_rect([moved[0], moved[1], moved[0] + 45, moved[3] + 60], "the ruler to stop shrinking at 45 wide")
    drag((moved[0] + 42, moved[3] + 57), (moved[0] + 287, moved[3] + 57), started=lambda: velmar.window()["moving"])
    sized = velmar.wait_for_rect([moved[0], moved[1], moved[0] + 290, moved[3] + 60], "the resized ruler")["rect"]
    assert stored_rect(velmar) == sized
    velmar.end()
    assert velmar.start()["rect"] == sized, "the same rectangle after a restart"
    px, py = sized[0] + 100, sized[1] + 15  # in the top band: the first click of the pair starts a move
    turned = [px + py - sized[3], py - px + sized[0], px + py - sized[1], py - px + sized[2]]
    for expected in (turned, sized, turned):  # clockwise about the click, back about the same point, and again
        click(px, py, repeat=2)
        velmar.wait_for_rect(expected, f"a turn to {expected}")
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


def test_a_place_stored_at_96_dpi_is_one_and_a_half_times_as_large_at_144(velmar):
    velmar.prefix.set_dpi(144)
    velmar.store({"Fenster": ("REG_SZ", "100 200 400 240 96")})
    assert velmar.start()["rect"] == [100, 200, 550, 260]


GONE = ("REG_SZ", "5000 5000 5300 5040 96")  # on a monitor that is gone


@pytest.mark.parametrize("stored", [GONE, ("REG_SZ", "100  200 400 240 96"), ("REG_DWORD", 100)])
def test_places_off_the_monitors_or_unreadable_leave_a_working_centred_ruler(velmar, stored):
    velmar.store({"Fenster": stored})
    window = velmar.start()
    assert max(abs(a - b) for a, b in zip(centre(window["rect"]), centre(window["workarea"]))) <= 3, window["rect"]
    assert stored != GONE or window["rect"][2:] == [window["rect"][0] + 300, window["rect"][1] + 40], "not 300 by 40"
    velmar.focus()
    press_keys("Right")
    velmar.wait_for_rect([window["rect"][0] + 1, window["rect"][1], window["rect"][2] + 1, window["rect"][3]], "the ruler to answer")


def test_a_ruler_minimized_when_the_session_ends_comes_back_where_it_was(velmar):
    rect = velmar.start()["rect"]
    velmar.focus()
    press_keys("Right")
    moved = velmar.wait_for_rect([rect[0] + 1, rect[1], rect[2] + 1, rect[3]], "the nudged ruler")["rect"]
    wait_for(lambda: stored_rect(velmar), lambda r: r == moved, "the nudged place to be stored")
    velmar.ask("minimize", "Velmar")
    wait_for(lambda: velmar.window()["rect"], lambda r: r != moved, "the ruler to be minimized")
    velmar.prefix.wine("wineboot", "--end-session", "--force")
    velmar.process.wait(timeout=30)
    velmar.prefix.shutdown()
    velmar.prefix.start_server()
    assert stored_rect(velmar) == moved
    assert velmar.start()["rect"] == moved


def test_growing_by_keys_stops_at_the_edge_of_the_screen(velmar):
    velmar.start()
    velmar.place(600, 300, 300, 41)
    velmar.focus()
    velmar.pin_keyboard()
    xdotool("keydown", "ctrl+shift+Right")
    try:
        wait_for(lambda: velmar.window()["rect"], lambda r: r[2] == 1024, "the ruler to grow to the screen's edge", timeout=30)
    finally:
        xdotool("keyup", "ctrl+shift+Right")
