#!/usr/bin/env bash
# Inside a fresh D-Bus session: wakes the accessibility bus, as a desktop does for a screen
# reader, then runs the given test program.
set -euo pipefail
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
exec "$@"
