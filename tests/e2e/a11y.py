# SPDX-License-Identifier: MIT
"""Reading the program over the accessibility bus, as a screen reader does.

Objects are found by role and by the name a user hears. Searches look only at
what is showing unless told otherwise, so the same name on a hidden page does
not get in the way. Every read goes to the program (the client-side cache is
off), so a value is what the program says now.
"""

import re
import time

import pyatspi
from gi.repository import Atspi, GLib

DEFAULT_TIMEOUT = 5.0


def wait_until(condition, timeout=DEFAULT_TIMEOUT, what="the condition", interval=0.02):
    """Returns the first true value of `condition()`; fails after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except (LookupError, RuntimeError) as error:
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise AssertionError(f"timed out after {timeout:.1f} s waiting for {what}{detail}")
        time.sleep(interval)


def settle(read, expected, timeout=DEFAULT_TIMEOUT):
    """Reads until the value equals `expected` or the time is up; returns the last value read."""
    deadline = time.monotonic() + timeout
    while True:
        value = read()
        if value == expected or time.monotonic() > deadline:
            return value
        time.sleep(0.02)


# --- objects -------------------------------------------------------------------


def application(pid, timeout=30.0):
    """The program with process id `pid`, once it shows its main window."""
    desktop = pyatspi.Registry.getDesktop(0)

    def shown():
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.get_process_id() == pid:
                app.set_cache_mask(Atspi.Cache.NONE)
                for window in children(app):
                    if is_showing(window):
                        return app
        return None

    return wait_until(shown, timeout, f"the program (pid {pid}) to show a window on the accessibility bus")


def children(obj):
    return [child for child in (obj.getChildAtIndex(i) for i in range(obj.childCount)) if child is not None]


def is_showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def has_state(obj, state):
    return obj.getState().contains(state)


def is_current_tab(tab):
    # Qt names a tab list after its current tab rather than marking that tab selected.
    return has_state(tab, pyatspi.STATE_SELECTED) or tab.parent.name == tab.name


def describe(obj):
    return f"{obj.getRoleName()} {obj.name!r}"


def _name_matches(actual, wanted):
    if wanted is None:
        return True
    if isinstance(wanted, re.Pattern):
        return wanted.fullmatch(actual or "") is not None
    return actual == wanted


def _wanted_text(role, name):
    wanted = Atspi.role_get_name(role) if role is not None else "object"
    if isinstance(name, re.Pattern):
        return f"{wanted} named like /{name.pattern}/"
    return f"{wanted} named {name!r}" if name is not None else wanted


# Objects whose children are their items or cells: searched for themselves, not into.
_LEAVES = {pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE_TABLE}


def find_all(root, role=None, name=None, showing=True, where=None, seen=None):
    """Every descendant of `root` with `role` and `name` (a string or a compiled
    pattern) for which `where(obj)` holds, in the order
    a user meets them; hidden branches are skipped when `showing`. Each object
    visited is added to `seen` (a dict of lists by name) when given."""
    found = []

    def visit(obj):
        for child in children(obj):
            if showing and not is_showing(child):
                continue
            child_role = child.getRole()
            child_name = child.name
            if seen is not None:
                seen.setdefault(child_name, []).append(child)
            if ((role is None or child_role == role) and _name_matches(child_name, name)
                    and (where is None or where(child))):
                found.append(child)
            if child_role not in _LEAVES:
                visit(child)

    visit(root)
    return found


class Finder:
    """Finds objects below `root`, remembering every object it has met by name.

    Each question to the program is a round trip over the bus, and a walk of a
    page takes hundreds of them; so an object met before is checked again
    (showing, role, name) rather than searched for. A walk runs when the
    remembered objects give no single answer.
    """

    def __init__(self, root):
        self.root = root
        self._seen = {}

    def _remembered(self, role, name, showing, where):
        if name is None:
            return []
        names = [n for n in self._seen if _name_matches(n, name)]
        objects = {id(obj): obj for n in names for obj in self._seen[n]}.values()
        return [obj for obj in objects
                if (not showing or is_showing(obj)) and (role is None or obj.getRole() == role)
                and _name_matches(obj.name, name) and (where is None or where(obj))]

    def find_all(self, role=None, name=None, showing=True, where=None):
        seen = {}
        found = find_all(self.root, role, name, showing, where, seen)
        for key, objects in seen.items():
            known = self._seen.setdefault(key, [])
            known.extend(obj for obj in objects if obj not in known)
        return found

    def find(self, role=None, name=None, showing=True, where=None, timeout=DEFAULT_TIMEOUT):
        """The one showing descendant that matches (see `find_all`), waiting for it to appear."""
        found = self._remembered(role, name, showing, where)
        if len(found) == 1:
            return found[0]
        deadline = time.monotonic() + timeout
        while True:
            found = self.find_all(role, name, showing, where)
            if len(found) == 1:
                return found[0]
            if time.monotonic() > deadline:
                break
            time.sleep(0.05)
        wanted = _wanted_text(role, name)
        if found:
            raise AssertionError(f"{len(found)} objects match {wanted}: {[describe(o) for o in found]}")
        # What there is instead: objects of that name (a label where a field was wanted), else of that role.
        others = self.find_all(None, name, showing) if name is not None else []
        others = sorted({describe(o) for o in others or self.find_all(role, None, showing)})
        qualifies = " that qualifies" if where else ""
        raise AssertionError(f"no {'showing ' if showing else ''}{wanted}{qualifies}; found instead: {others}")

    def field(self, name, timeout=DEFAULT_TIMEOUT):
        """The control named `name` (after its label) that shows or takes a value."""
        return self.find(name=name, where=is_field, timeout=timeout)


def relation_targets(obj, relation):
    targets = []
    for rel in obj.getRelationSet():
        if rel.getRelationType() == relation:
            targets.extend(rel.getTarget(i) for i in range(rel.getNTargets()))
    return targets


def labelled_by(label):
    """The control that `label` names, as a screen reader finds it; for an editable
    drop-down list, the text field inside it."""
    targets = relation_targets(label, pyatspi.RELATION_LABEL_FOR)
    if not targets:
        raise AssertionError(f"{describe(label)} labels nothing")
    control = targets[0]
    if control.getRole() == pyatspi.ROLE_COMBO_BOX:
        fields = [child for child in children(control) if child.getRole() == pyatspi.ROLE_TEXT]
        return fields[0] if fields else control
    return control


def is_label(obj):
    return bool(relation_targets(obj, pyatspi.RELATION_LABEL_FOR))


def is_field(obj):
    """Whether `obj` shows or takes a value as text: not a label, which may carry
    the same name as the control it labels."""
    return obj.getRole() != pyatspi.ROLE_LABEL and not is_label(obj) and _has_text(obj)


# --- values --------------------------------------------------------------------


def _has_text(obj):
    try:
        obj.queryText()
        return True
    except NotImplementedError:
        return False


def text(obj):
    """The whole text of `obj`, through its Text interface (for a drop-down list,
    the item chosen)."""
    try:
        content = obj.queryText()
    except NotImplementedError:
        raise AssertionError(f"{describe(obj)} exposes no text to assistive technology") from None
    return content.getText(0, -1)


def _grid(table):
    try:
        return table.queryTable()
    except NotImplementedError:
        raise AssertionError(f"{describe(table)} exposes no table to assistive technology") from None


def table_row_count(table):
    return _grid(table).nRows


def table_rows(table, rows=None):
    """The texts of the cells of a table's `rows` (row numbers, negative ones
    counted from the end; every row when None), row by row."""
    grid = _grid(table)
    count = grid.nRows
    numbers = range(count) if rows is None else [row % count if count else row for row in rows]
    found = []
    for row in numbers:
        cells = []
        for column in range(grid.nColumns):
            cell = grid.getAccessibleAt(row, column)
            cells.append(_cell_text(cell) if cell is not None else None)
        found.append(cells)
    return found


def table_cells(table):
    """The texts of every cell of a table, row by row."""
    return table_rows(table)


def _cell_text(cell):
    return text(cell) if _has_text(cell) else cell.name


def extents(obj):
    """The object's rectangle on the screen: x, y, width, height."""
    box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def do_action(obj, *names):
    """Runs the first of the object's actions called one of `names` (in any case)."""
    action = obj.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for wanted in names:
        for index, name in enumerate(offered):
            if name.lower() == wanted.lower():
                action.doAction(index)
                return
    raise AssertionError(f"{describe(obj)} offers none of the actions {list(names)}; it offers {offered}")


# --- events --------------------------------------------------------------------


class _EventListener:
    """While open, hears the program's events of the kind KIND through `_record`.

    Only open one where a case needs it: while a client listens, Qt hands every
    key to the registry before delivering it, which makes typing racy.
    """

    KIND = ""

    def __init__(self, program):
        self.program = program

    def __enter__(self):
        pyatspi.Registry.registerEventListener(self._record, self.KIND)
        # Qt learns of the listener from the registry; a round trip to the program
        # after the registration makes sure it has.
        self.program.getRole()
        return self

    def __exit__(self, *exc):
        pyatspi.Registry.deregisterEventListener(self._record, self.KIND)

    def _record(self, event):
        raise NotImplementedError


class TextInsertions(_EventListener):
    """While open, the texts the program reports inserted into its objects, by the
    objects' names: what a screen reader hears of a change."""

    KIND = "object:text-changed:insert"

    def __init__(self, program):
        super().__init__(program)
        self._heard = []

    def _record(self, event):
        self._heard.append((event.source.name, event.any_data))

    def heard(self, name, text, timeout=DEFAULT_TIMEOUT):
        """Waits until the object named `name` reports `text` inserted; returns
        every text it reported (the last of them `text`, unless the time ran out)."""
        deadline = time.monotonic() + timeout
        context = GLib.MainContext.default()
        while True:
            while context.iteration(False):
                pass
            texts = [inserted for source, inserted in self._heard if source == name]
            if text in texts or time.monotonic() > deadline:
                return texts
            time.sleep(0.02)


class PopupMenus(_EventListener):
    """While open, the popup menus the program shows (its context menus and the
    menus of its menu bar), which are no children of its windows on the bus.
    Open it only around the keys that open the menus.
    """

    KIND = "object:state-changed:showing"

    def __init__(self, program):
        super().__init__(program)
        self._shown = []
        self._taken = 0

    def _record(self, event):
        if event.detail1:
            self._shown.append(event.source)

    def next(self, what, timeout=DEFAULT_TIMEOUT):
        """Waits for a popup menu shown since the previous call returned; returns it.

        Any call to the program may hand over the events waiting, so those
        recorded before this call count too.
        """
        context = GLib.MainContext.default()

        def shown():
            while context.iteration(False):
                pass
            recorded = len(self._shown)
            fresh = [menu for menu in self._shown[self._taken:recorded] if _is_popup(menu)]
            self._taken = recorded
            return fresh[-1] if fresh else None

        return wait_until(shown, timeout, what)


def _is_popup(obj):
    try:
        return obj.getRole() == pyatspi.ROLE_POPUP_MENU
    except GLib.GError:
        return False  # gone already


def menu_items(menu):
    """The captions of a menu's items and whether each is enabled, separators left out."""
    return [(item.name, has_state(item, pyatspi.STATE_ENABLED)) for item in children(menu)
            if item.getRole() != pyatspi.ROLE_SEPARATOR]


class DescriptionChanges(_EventListener):
    """While open, the descriptions the program reports changed, by the objects' names."""

    KIND = "object:property-change:accessible-description"

    def __init__(self, program):
        super().__init__(program)
        self._heard = []

    def _record(self, event):
        self._heard.append((event.source.name, event.source.description))

    def heard(self, name, description, timeout=DEFAULT_TIMEOUT):
        """Waits until the object named `name` reports `description`; returns whether it did."""
        deadline = time.monotonic() + timeout
        context = GLib.MainContext.default()
        while (name, description) not in self._heard and time.monotonic() <= deadline:
            while context.iteration(False):
                pass
            time.sleep(0.02)
        return (name, description) in self._heard


def focused(root):
    """The object below `root` that has the keyboard focus, or None."""
    found = find_all(root, where=lambda obj: has_state(obj, pyatspi.STATE_FOCUSED))
    return found[0] if found else None


class Events(_EventListener):
    """While open, the program's events of one AT-SPI type (such as
    "object:selection-changed"), as (source name, detail1) pairs."""

    def __init__(self, program, kind):
        super().__init__(program)
        self.KIND = kind
        self._heard = []

    def _record(self, event):
        self._heard.append((event.source.name, event.detail1))

    def heard(self, name, timeout=DEFAULT_TIMEOUT):
        """Whether the object named `name` sends such an event within `timeout` seconds."""
        context = GLib.MainContext.default()
        deadline = time.monotonic() + timeout
        while True:
            while context.iteration(False):
                pass
            if any(source == name for source, _ in self._heard) or time.monotonic() > deadline:
                return any(source == name for source, _ in self._heard)
            time.sleep(0.02)


class FocusGains(_EventListener):
    """While open, the names of the objects the program reports gaining the keyboard focus."""

    KIND = "object:state-changed:focused"

    def __init__(self, program):
        super().__init__(program)
        self._gained = []

    def _record(self, event):
        if event.detail1:
            self._gained.append(event.source.name)

    def gained(self):
        """Every gain reported so far: read after a value the keys produced, since
        the program reports a gain before it answers a later query."""
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass
        return list(self._gained)


def is_closed(window):
    """Whether a window is hidden or already gone from the accessibility bus."""
    try:
        return not is_showing(window)
    except RuntimeError:  # GLib.GError: no such object any more
        return True
