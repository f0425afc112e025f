"""Every way out of the ruler ends it cleanly, and what the user chose is kept, even when Windows ends it."""
import pytest

from test_menu_and_dialog import IN_INCH, MM, OTHER, TRANSPARENT, choose, dialog, open_menu, type_into_edit
from winebench import settings, wait_for


@pytest.mark.parametrize("nested", ["menu", "zoom dialog", "message box"])
def test_close_from_outside_while_a_nested_loop_runs(velmar, nested):
    velmar.store(MM)
    velmar.start()
    if nested == "menu":
        open_menu(velmar)
    else:
        choose(velmar, *OTHER)
        box = dialog(velmar, "100", ["100"])
    if nested == "message box":
        type_into_edit(box, "x")
        wait_for(lambda: len(velmar.windows("Velmar")), lambda count: count == 2, "the invalid-number message")
    velmar.ask("close", "Velmar")  # the taskbar's "Close window"
    velmar.wait_exit()
    assert velmar.saved() == settings("0", "MM", 100)


def test_the_end_of_the_session_keeps_what_was_chosen(velmar):
    velmar.start()
    choose(velmar, *IN_INCH)
    choose(velmar, *TRANSPARENT)
    velmar.prefix.wine("wineboot", "--end-session", "--force")
    velmar.process.wait(timeout=30)
    velmar.prefix.shutdown()  # the whole session ends; the next one reads what was kept
    velmar.prefix.start_server()
    assert velmar.saved() == settings("1", "INCH", 100)
