#!/usr/bin/env bash
# Builds the Debian package from a build folder, installs it with apt on this machine, and
# checks that the installed programs run: the version, and an example analysed from the
# installed paths with its hand-checked reactions.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/spanlyx_*.deb | head -n 1)
echo "== installing $deb"
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends \
    "$(realpath "$deb")" >/dev/null

version=$(/usr/bin/spanlyx-report --version)
[ "$version" = "spanlyx-report (8.8)" ] || { echo "unexpected version: $version"; exit 1; }
example=/usr/share/spanlyx/examples/two-span-uniform.cb
json=$(/usr/bin/spanlyx-report --json "$example")
# Two equal spans of 20 ft under 1000 lb/ft: reactions 3wL/8, 10wL/8, 3wL/8.
python3 - "$json" <<'PY'
import json, sys
doc = json.loads(sys.argv[1])
got = [round(j["reaction_shear"], 6) for j in doc["joints"]]
assert got == [7500.0, 25000.0, 7500.0], got
PY
for f in /usr/bin/spanlyx /usr/share/applications/spanlyx.desktop \
         /usr/share/icons/hicolor/scalable/apps/spanlyx.svg /usr/share/doc/spanlyx/docs/user-guide.md \
         /usr/share/doc/spanlyx/docs/screenshots/main-window.png; do
  [ -e "$f" ] || { echo "missing after install: $f"; exit 1; }
done
echo "Package installed and analysed an example from the installed paths."
