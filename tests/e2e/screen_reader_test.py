#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
# Studies one step the way a blind learner's screen reader does, through AT-SPI only: finds
# Quibbix among the registry's applications, reads the word box, starts and answers with the
# answer buttons' actions, and expects each outcome (the word, the definition, the next word)
# to arrive as a change of the focused answer button, which is what a screen reader speaks.
# With "chooser", the window to choose a list in must say the selected list when it opens.
#   screen_reader_test.py READY_FILE [chooser]
# Listens first and then writes READY_FILE, for the program to be started: a program learns
# at its start which events anyone listens to, and of later listeners only a moment after.
# Exits 0 when all of it is heard, 1 with what went wrong otherwise.
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# Newer libatspi renames a call or two; the old names still work there.
warnings.filterwarnings("ignore", category=DeprecationWarning)

ANSWERS = ("I Know", "Not Sure", "Don't Know")
# How long the program may take to show its window, and each press to be told.
START_SECONDS = 12
TOLD_SECONDS = 4


def fail(message):
    print("FAILED: " + message, file=sys.stderr)
    sys.exit(1)


def spin(seconds, done):
    """Runs the main loop, which delivers the events, until done() or the time is up."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        if done():
            return True
        time.sleep(0.02)
    return done()


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def find_application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "Quibbix":
            for window in (app.get_child_at_index(j) for j in range(app.get_child_count())):
                if window is not None and window.get_name().startswith("Quibbix"):
                    return window
    return None


def label_described(window, caption):
    for node in descendants(window):
        if node.get_role() == Atspi.Role.LABEL and node.get_description() == caption:
            return node
    return None


def button(window, name):
    for node in descendants(window):
        if node.get_role() == Atspi.Role.PUSH_BUTTON and node.get_name() == name:
            return node
    return None


def press(node):
    for i in range(node.get_n_actions()):
        if node.get_action_name(i) == "Press":
            node.do_action(i)
            return
    fail("%s offers no Press action" % node.get_name())


class Heard:
    """What a screen reader would speak: changes of the focused object, and focus moves."""

    def __init__(self):
        self.said = []
        self.listener = Atspi.EventListener.new(self.on_event)
        for kind in ("object:property-change:accessible-description",
                     "object:state-changed:focused"):
            self.listener.register(kind)

    def on_event(self, event):
        source = event.source
        try:
            if not source.get_state_set().contains(Atspi.StateType.FOCUSED):
                return
            if event.type.startswith("object:state-changed") and event.detail1 != 1:
                return
            name = source.get_name()
            description = source.get_description()
        except GLib.Error:
            return
        self.said.append((name, description))

    def wait_for(self, text):
        """True once an answer button with the focus told `text`."""
        return spin(TOLD_SECONDS,
                    lambda: any(n in ANSWERS and d == text for n, d in self.said))


def chooser_says_the_selected_list():
    focused = []

    def on_focus(event):
        try:
            if event.detail1 == 1:
                focused.append((event.source.get_role(), event.source.get_name()))
        except GLib.Error:
            pass

    listener = Atspi.EventListener.new(on_focus)
    listener.register("object:state-changed:focused")
    with open(sys.argv[1], "w") as ready:
        ready.write("listening\n")
    # Neither list was studied: the first is selected.
    if not spin(START_SECONDS, lambda: (Atspi.Role.TABLE_CELL, "French") in focused):
        fail("the selected list was not told on opening; heard %r" % focused)


def main():
    if sys.argv[2:] == ["chooser"]:
        chooser_says_the_selected_list()
        return
    heard = Heard()
    with open(sys.argv[1], "w") as ready:
        ready.write("listening\n")
    window = None
    end = time.monotonic() + START_SECONDS
    while window is None and time.monotonic() < end:
        window = find_application()
        if window is None:
            time.sleep(0.2)
    if window is None:
        fail("no Quibbix window in the accessibility registry")
    word_box = label_described(window, "Word")
    definition_box = label_described(window, "Definition")
    if word_box is None or definition_box is None:
        fail("no label described as the word or the definition")
    for node in descendants(window):
        if showing(node) and (not node.get_name() or node.get_name().startswith("Static")):
            fail("a %s is read as %r" % (node.get_role_name(), node.get_name()))
    print("start:", word_box.get_name())
    start = button(window, "I Know")
    if start is None:
        fail("no I Know button")
    if not spin(START_SECONDS, lambda: start.get_state_set().contains(Atspi.StateType.FOCUSED)):
        fail("the I Know button never had the focus")
    press(start)
    if not spin(TOLD_SECONDS, lambda: word_box.get_name() != "" and
                not word_box.get_name().startswith("Press")):
        fail("the start press showed no word")
    word = word_box.get_name()
    if not heard.wait_for(word):
        fail("the first word %r was not told; heard %r" % (word, heard.said))
    print("word:", word)

    dont_know = button(window, "Don't Know")
    if dont_know is None or not showing(dont_know):
        fail("no Don't Know button after the start")
    press(dont_know)
    if not spin(TOLD_SECONDS, lambda: showing(definition_box)):
        fail("the first press revealed nothing")
    definition = definition_box.get_name()
    if not definition or not heard.wait_for(definition):
        fail("the definition %r was not told; heard %r" % (definition, heard.said))
    print("definition:", definition)

    press(dont_know)
    if not spin(TOLD_SECONDS, lambda: not showing(definition_box)):
        fail("the verdict did not move on")
    following = word_box.get_name()
    if not heard.wait_for(following):
        fail("the next word %r was not told; heard %r" % (following, heard.said))
    print("next word:", following)
    names = [n for n, _ in heard.said]
    if any(n not in ANSWERS for n in names):
        fail("the focus left the answers: %r" % names)


main()
