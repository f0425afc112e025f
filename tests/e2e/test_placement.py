"""The ruler comes back where the user left it, turned or not, at any resolution, and grows by keys only to the screen's edge."""
from winebench import click, drag, wait_for, xdotool


def stored_rect(velmar):
    # The rectangle in "Fenster" once it is there.
    value = wait_for(lambda: velmar.saved_value("Fenster"), what="the place to be stored")
    return [int(number) for number in value[1].split()[:4]]


def test_moved_resized_turned_and_nudged_rulers_come_back_where_they_were(velmar):
    rect = velmar.start()["rect"]
    assert velmar.saved_value("Fenster") is None, "nothing is stored before the ruler is moved"
    drag((rect[0] + 200, rect[1] + 12), (rect[0] + 100, rect[1] + 112), started=lambda: velmar.window()["moving"])
    moved = velmar.wait_for_rect([rect[0] - 100, rect[1] + 100, rect[2] - 100, rect[3] + 100], "the dragged ruler")["rect"]
    drag((moved[2] - 3, moved[3] - 3), (moved[0] + 287, moved[3] + 57), started=lambda: velmar.window()["moving"])
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


def test_a_place_stored_at_96_dpi_is_one_and_a_half_times_as_large_at_144(velmar):
    velmar.prefix.set_dpi(144)
    velmar.store({"Fenster": ("REG_SZ", "100 200 400 240 96")})
    assert velmar.start()["rect"] == [100, 200, 550, 260]


def test_growing_by_keys_stops_at_the_edge_of_the_screen(velmar):
    velmar.start()
    velmar.place(600, 300, 300, 41)
    velmar.focus()
    velmar.pin_keyboard()
    xdotool("keydown", "ctrl+shift+Right")  # held, as the system repeats it
    try:
        wait_for(lambda: velmar.window()["rect"], lambda r: r[2] == 1024, "the ruler to grow to the screen's edge", timeout=30)
    finally:
        xdotool("keyup", "ctrl+shift+Right")
