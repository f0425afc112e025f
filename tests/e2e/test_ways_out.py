"""Every way out of the ruler ends it cleanly, and what the user chose is kept, even when Windows ends it."""
import time

import pytest

from test_menu_zoom_alpha import (IN_INCH, MM, RADIO_75, TRANSPARENT, choose, click_edit_end, client_point,
                                  open_zoom_dialog, wait_for_dialog)
from test_startup_settings import KEPT, close_with_button
from winebench import Velmar, centre, child, click, press_keys, settings, wait_for


def open_menu(velmar, window):
    velmar.open_menu(client_point(window, 150, 20))


def open_dialog(velmar, window):
    open_zoom_dialog(velmar, window, "100", [1009])


def open_message_box(velmar, window):
    dialog = open_zoom_dialog(velmar, window, "100", [1009])
    click_edit_end(dialog)
    press_keys("x")
    wait_for(lambda: len(velmar.texts("Velmar")), lambda count: count == 2, "the invalid-number message")


@pytest.mark.parametrize("opened", [open_menu, open_dialog, open_message_box],
                         ids=["menu", "zoom-dialog", "message-box"])
def test_close_from_outside_while_a_nested_loop_runs(velmar, opened):
    velmar.store(MM)
    opened(velmar, velmar.start())
    velmar.ask("close", "Velmar")  # the taskbar's "Close window"
    velmar.wait_exit()
    assert velmar.saved() == settings("0", "MM", 100)


def test_eight_starts_and_closes_in_a_row_keep_the_settings(velmar):
    velmar.store(KEPT)
    for run in range(8):
        velmar.start()
        (close_with_button if run % 2 else Velmar.end)(velmar)
        velmar.wait_exit()
        assert velmar.saved() == KEPT, f"after run {run + 1}"


def test_end_of_the_windows_session_keeps_what_the_menu_changed(velmar):
    window = velmar.start()
    for keys in (IN_INCH, TRANSPARENT):
        velmar.open_menu(client_point(window, 150, 20))
        choose(velmar, *keys)
    velmar.prefix.wine("wineboot", "--end-session", "--force")
    velmar.process.wait(timeout=30)
    assert velmar.saved() == settings("1", "INCH", 100)


def test_zoom_chosen_in_the_dialog_survives_a_kill(velmar):
    velmar.store(MM)
    dialog = open_zoom_dialog(velmar, velmar.start(), "100", [1009])
    click(*centre(child(dialog, RADIO_75)["rect"]))
    wait_for_dialog(velmar, "75", [RADIO_75], "the 75% preset")
    press_keys("Return")
    kept = settings("0", "MM", 75)
    wait_for(velmar.saved, lambda saved: saved == kept, "the zoom to be stored once OK is pressed")
    time.sleep(1)  # the user works on; then the process is killed, no window message reaches it
    velmar.prefix.kill("velmar.exe")
    velmar.process.wait(timeout=30)
    assert velmar.saved() == kept
