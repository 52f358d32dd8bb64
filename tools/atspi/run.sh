#!/bin/sh
# Usage: tools/atspi/run.sh BUILD_DIR
# Needs the Debian packages xvfb, at-spi2-core and python3-pyatspi.
set -e
here=$(dirname "$0")
build=$(cd "${1:-build}" && pwd)
exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- sh -c "
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  sleep 2
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 '$build/morvelle3' >/dev/null 2>&1 &
  sleep 3
  timeout 120 /usr/bin/python3 '$here/read_exercice17.py'
  kill \$!
"
