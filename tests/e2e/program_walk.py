#!/usr/bin/python3
"""End-to-end test of the real Familiengalerie program on a real X server.

Starts Xvfb, starts the program there as the run command does, clicks through the gallery's
families, opens each family-tree window with a double-click, hovers and closes windows the
way a user and a window manager do, and checks what the screen shows. Prints one line per
check and a final "N passed, M failed"; exits non-zero if any check failed.

Usage: program_walk.py --program PATH/familiengalerie
"""

import argparse
import os
import signal
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import geometry as geo  # noqa: E402
import gallery_checks as gallery  # noqa: E402
import pixels  # noqa: E402
import tree_checks as trees  # noqa: E402
from gallery_scene import FAMILY_VIEWS, GALLERY_CAPTION, YELLOW  # noqa: E402
from tree_windows import TREE_WINDOWS  # noqa: E402
from xsession import SessionError, XSession  # noqa: E402

STEP_TIMEOUT = 5.0     # seconds for the screen to show what a step must show
WINDOW_TIMEOUT = 10.0  # seconds for a window to map or go
WALK_TIMEOUT = 150     # seconds for the whole walk
MAX_FAILURES = 10      # after these, later checks would mostly repeat them
TREE_PREFIX = "Kelvorn von "

# A place on the gallery's client area, in twips, where no portrait or line stands.
GALLERY_BACKGROUND = (12900, 300)
# A place on Form2's client area where no portrait, line or list stands.
FORM2_BACKGROUND = (6750, 1500)


class Abort(Exception):
    """The walk cannot go on: a window did not appear, or the time is up."""


class Walk:
    def __init__(self, session):
        self.session = session
        self.passed = 0
        self.failed = 0
        self.screen = None
        self.gallery_window = None

    # ---- recording ----------------------------------------------------------------------

    def record(self, name, problems, may_stop=True):
        if problems:
            self.failed += 1
            print(f"FAIL {name}: " + "; ".join(problems), flush=True)
            if may_stop and self.failed >= MAX_FAILURES:
                raise Abort(f"stopped after {MAX_FAILURES} failed checks")
        else:
            self.passed += 1
            print(f"ok   {name}", flush=True)
        return not problems

    def poll(self, evaluate, timeout=STEP_TIMEOUT):
        """Grabs the screen until evaluate(image) reports no problem, or until timeout; returns
        the last image and evaluate's last report (a list, or a dict of lists)."""
        deadline = time.monotonic() + timeout
        while True:
            image = self.session.grab()
            report = evaluate(image)
            problems = report.values() if isinstance(report, dict) else [report]
            if not any(problems) or time.monotonic() >= deadline:
                return image, report
            time.sleep(0.03)

    # ---- the gallery --------------------------------------------------------------------

    def expect_view(self, step, portraits, lines, list_shown, list_text=True):
        image, report = self.poll(lambda img: self.screen.view_problems(
            img, portraits, lines, list_shown, list_text))
        for kind, problems in report.items():
            self.record(f"{step}: {kind}", problems)
        if not any(report.values()):
            self.screen.learn_looks(image, portraits)
        return image

    def expect_family(self, step, clicked, list_shown=None):
        view = FAMILY_VIEWS[clicked]
        shown = view["name"] if list_shown is None else list_shown
        return self.expect_view(step, view["portraits"], view["lines"], shown)

    def click(self, portrait):
        self.session.click(*gallery.portrait_centre(portrait))
        return self.expect_family(f"click {portrait}", portrait)

    def click_background(self, step, view_of, name_shown=False):
        self.session.click(*gallery.point(*GALLERY_BACKGROUND))
        view = FAMILY_VIEWS[view_of]
        return self.expect_view(step, view["portraits"], view["lines"], list_shown=name_shown)

    # ---- family-tree windows ------------------------------------------------------------

    def open_tree(self, form, at=None, step=None):
        clicked = TREE_WINDOWS[form]["opened_by"]
        where = at or gallery.portrait_centre(clicked)
        step = step or f"double-click {clicked} opens {form}"
        self.session.double_click(*where)
        window = self.session.wait_for_window(TREE_PREFIX, WINDOW_TIMEOUT)
        if window is None:
            self.record(step, ["no window titled 'Kelvorn von ...' appeared"])
            raise Abort(f"{form} did not open")
        title = self.session.title(window)
        self.record(f"{step}: title", [] if len(title) > len(TREE_PREFIX) else [repr(title)])
        expected = geo.client_rect(TREE_WINDOWS[form]["client"])
        actual = self.session.client_geometry(window)
        self.record(f"{step}: client area at {expected}",
                    [] if actual == expected else [f"is at {actual}"])
        _, problems = self.poll(lambda img: trees.scene_problems(img, form, self.screen.looks))
        self.record(f"{step}: portraits and lines at their places", problems)
        if "list" in TREE_WINDOWS[form]:
            _, problems = self.poll(lambda img: trees.list_problems(img, form, shown=False))
            self.record(f"{step}: info list hidden", problems)
        titles = sorted(t for t, _ in self.session.mapped_windows())
        self.record(f"{step}: no other window", [] if titles == sorted([GALLERY_CAPTION, title])
                    else [f"mapped windows: {titles}"])
        return window

    def close_tree(self, window, form):
        clicked = TREE_WINDOWS[form]["opened_by"]
        self.session.send_close(window)
        gone = self.session.wait_for_window_gone(TREE_PREFIX, WINDOW_TIMEOUT)
        self.record(f"closing {form} unmaps it", [] if gone else ["still mapped"])
        if not gone:
            raise Abort(f"{form} did not close")
        self.expect_family(f"after closing {form} the gallery keeps {clicked}'s family", clicked)

    def tree_window(self, form):
        self.close_tree(self.open_tree(form), form)

    # ---- the walk -----------------------------------------------------------------------

    def start(self):
        self.session.start_program()
        window = self.session.wait_for_window(GALLERY_CAPTION, WINDOW_TIMEOUT)
        self.record("the gallery opens with its caption",
                    [] if window else ["no window with the gallery's caption appeared"])
        if window is None:
            raise Abort("the gallery did not open")
        self.gallery_window = window
        geometry = self.session.client_geometry(window)
        self.record(f"the gallery's client area is at {gallery.CLIENT}",
                    [] if geometry == gallery.CLIENT else [f"is at {geometry}"])
        line107 = [(x, gallery.ORIGIN[1]) for x in range(16, 48)]
        image, wrong = self.poll(lambda img: pixels.wrong_colour(img, line107, YELLOW))
        self.record("start view: Line107 yellow along the top edge", wrong and [f"not at {wrong}"])
        self.start_image = image
        self.screen = gallery.GalleryScreen(image)
        self.screen.learn_looks(image, ["Picture1"])

    def check_start_view(self, later_image, later_view):
        """The start view, compared with a later view: the same outside that view's portraits,
        lines and info list, and outside Picture1."""
        view = FAMILY_VIEWS[later_view]
        allowed = pixels.blank_mask(self.start_image.size)
        pixels.mark_boxes(allowed, [gallery.portrait_box(p) for p in view["portraits"]]
                          + [gallery.portrait_box("Picture1"), gallery.LIST_BOX])
        for line in view["lines"]:
            pixels.mark_points(allowed, geo.line_points(gallery.ORIGIN, *gallery.LINES[line]))
        extra = pixels.unexplained_changes(self.start_image, later_image, allowed, gallery.CLIENT)
        self.record(f"start view: nothing but Picture1, Line107 and Line108 outside "
                    f"{later_view}'s family",
                    [] if extra is None else [f"differs from {later_view}'s family at {extra}"])

    def check_start_picture1(self, hidden_picture1_image):
        """Once a view has hidden Picture1: its place learnt as background, on which the start
        view showed Picture1."""
        box = gallery.portrait_box("Picture1")
        self.screen.learn_background(hidden_picture1_image, box)
        shown = pixels.changed_fraction(pixels.crop(self.start_image, box),
                                        pixels.crop(self.screen.background, box)) > 0.5
        self.record("start view: Picture1 shown", [] if shown else ["its place shows background"])

    def gallery_while_form2_is_open(self, form2):
        """The gallery takes no clicks and cannot be closed while Form2 is open; hovering
        over Form2's portraits shows and hides its info list."""
        form2_box = geo.client_rect(TREE_WINDOWS["Form2"]["client"])
        before = self.session.grab()
        self.session.click(*gallery.portrait_centre("Picture5"))
        self.session.click(*gallery.point(*GALLERY_BACKGROUND))
        self.session.send_close(self.gallery_window)

        # Events reach the program in order: once the hover shows, the clicks and the close
        # request before it have been handled.
        self.session.move(*geo.centre(trees.portrait_box("Form2", "Picture1")))
        image, problems = self.poll(lambda img: trees.list_problems(img, "Form2", shown=True))
        self.record("hover over Form2's Picture1 shows its info list", problems)

        allowed = pixels.blank_mask(image.size)
        pixels.mark_boxes(allowed, [form2_box])
        extra = pixels.unexplained_changes(image, before, allowed, gallery.CLIENT)
        self.record("the gallery ignores clicks while Form2 is open",
                    [] if extra is None else [f"gallery changed at {extra}"])
        still_open = self.session.find_window(GALLERY_CAPTION) and self.session.program_running()
        self.record("the gallery cannot be closed while Form2 is open",
                    [] if still_open else ["the gallery went away"])

        background = (form2_box[0] + geo.px(FORM2_BACKGROUND[0]),
                      form2_box[1] + geo.px(FORM2_BACKGROUND[1]))
        self.session.move(*background)
        _, problems = self.poll(lambda img: trees.list_problems(img, "Form2", shown=False))
        self.record("hover over Form2's background hides its info list", problems)

        self.session.move(*geo.centre(trees.portrait_box("Form2", "Picture1")))
        _, problems = self.poll(lambda img: trees.list_problems(img, "Form2", shown=True))
        self.record("hover over Form2's Picture1 again shows its info list", problems)

    def run(self):
        self.start()

        # A walk through several families.
        self.check_start_view(self.click("Picture1"), "Picture1")
        self.click_background("background click hides the info list", "Picture1")
        self.click("Picture11")
        hidden_picture1 = self.click("Picture22")
        self.check_start_view(hidden_picture1, "Picture22")
        self.check_start_picture1(hidden_picture1)
        self.click("Picture11")
        self.click("Picture17")
        self.click("Picture34")

        # Form3 from Picture17 in Picture34's family.
        self.tree_window("Form3")

        # Form2 from Picture1 in Picture11's family, pointed at where no Form2 portrait will
        # stand under the pointer.
        self.click("Picture11")
        picture1 = gallery.portrait_box("Picture1")
        over_form2_background = (picture1[0] + 6, picture1[1] + picture1[3] // 2)
        form2 = self.open_tree("Form2", at=over_form2_background)
        self.gallery_while_form2_is_open(form2)
        self.close_tree(form2, "Form2")
        form2 = self.open_tree("Form2", at=over_form2_background,
                               step="Form2 opens again from its stored scene")
        self.close_tree(form2, "Form2")

        # Form4 from Picture8 in Picture1's family; then a portrait without a handler.
        self.tree_window("Form4")
        self.click("Picture9")
        self.session.click(*gallery.portrait_centre("Picture26"))
        self.click_background("click on Picture26, which has no handler, changes nothing",
                              "Picture9")
        self.click("Picture8")
        self.click("Picture1")

        # Form5 from Picture6, Form6 from Picture5, both in Picture1's family.
        self.tree_window("Form5")
        self.click("Picture1")
        self.tree_window("Form6")

        # A click without a name, then a name-only click.
        self.click("Picture30")
        self.click("Picture5")
        self.click("Picture1")
        self.click("Picture3")
        self.click("Picture4")
        self.click_background("background click in Picture4's family", "Picture4")
        self.session.click(*gallery.portrait_centre("Picture2"))
        self.expect_family("click Picture2 writes its name and keeps Picture4's family",
                           "Picture4", list_shown=True)

        # Closing the gallery ends the program.
        self.session.send_close(self.gallery_window)
        status = self.session.wait_for_exit(WINDOW_TIMEOUT)
        self.record("closing the gallery ends the program with status 0",
                    [] if status == 0 else [f"exit status {status}"])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the built familiengalerie")
    args = parser.parse_args()

    def out_of_time(*_):
        raise Abort(f"the walk took longer than {WALK_TIMEOUT} s")

    def terminated(*_):
        raise Abort("terminated")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, terminated)
    signal.alarm(WALK_TIMEOUT)
    started = time.monotonic()
    walk = None
    try:
        with XSession(args.program) as session:
            walk = Walk(session)
            try:
                walk.run()
            except (Abort, SessionError) as reason:
                walk.record("the walk goes on to its end", [str(reason)], may_stop=False)
            finally:
                if session.x_errors:
                    print("X errors of the driver's own requests: " + "; ".join(session.x_errors))
                if walk.failed:
                    if session.app is not None and session.app.poll() is not None:
                        print(f"the program had ended, exit status {session.app.returncode}")
                    output = session.program_output().strip()
                    if output:
                        print("program output:\n" + output)
    except (Abort, SessionError, OSError) as reason:
        print(f"FAIL the X session starts: {reason}")
    finally:
        signal.alarm(0)
    passed, failed = (walk.passed, walk.failed) if walk else (0, 1)
    print(f"({time.monotonic() - started:.1f} s)")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
