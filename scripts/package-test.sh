#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it: its file list and dependencies,
# the version of its batch tool, and an example analysed from the packaged paths with its
# hand-checked reactions.
#   bash scripts/package-test.sh [build-folder]        (default: build)
# By default nothing outside the checkout changes: the package is unpacked into a temporary
# folder and checked there. With CI=true or SPANLYX_PACKAGE_TEST=1 it is installed system-wide
# with apt-get (through sudo when not root) and the installed programs are checked instead.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

install=no
if [ "${CI:-}" = true ] || [ "${SPANLYX_PACKAGE_TEST:-}" = 1 ]; then install=yes; fi

rm -f "$build"/spanlyx_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/spanlyx_*.deb)

# The runtime libraries the programs link against must be named in Depends.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins; do
  case ", $depends," in
    *", $library,"*) ;;
    *) echo "Depends lacks $library: $depends"; exit 1 ;;
  esac
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if [ "$install" = yes ]; then
  as_root=()
  if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
  echo "== installing $deb"
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends \
      "$(realpath "$deb")" >/dev/null
  root=""
  where="after install"
else
  echo "== unpacking $deb (not installed; CI=true or SPANLYX_PACKAGE_TEST=1 installs it)"
  dpkg-deb -x "$deb" "$scratch/root"
  root="$scratch/root"
  where="from the package"
fi

for f in /usr/bin/spanlyx /usr/bin/spanlyx-report /usr/share/applications/spanlyx.desktop \
         /usr/share/icons/hicolor/scalable/apps/spanlyx.svg /usr/share/doc/spanlyx/README.md \
         /usr/share/doc/spanlyx/docs/user-guide.md /usr/share/doc/spanlyx/docs/verification.md \
         /usr/share/doc/spanlyx/docs/performance.md \
         /usr/share/doc/spanlyx/docs/screenshots/main-window.png \
         /usr/share/doc/spanlyx/docs/screenshots/results-window.png; do
  [ -s "$root$f" ] || { echo "missing $where: $f"; exit 1; }
done
for example in examples/*.cb; do
  packaged="$root/usr/share/spanlyx/examples/$(basename "$example")"
  cmp -s "$example" "$packaged" || { echo "example differs or is missing: $packaged"; exit 1; }
done
if [ "$install" = no ]; then
  # Installing would have apt resolve these; unpacked, every library must already be found.
  for program in spanlyx spanlyx-report; do
    if ldd "$root/usr/bin/$program" | grep -q "not found"; then
      ldd "$root/usr/bin/$program"
      exit 1
    fi
  done
fi

# A data folder of its own, so that no sx.ini of the user's changes the figures below.
export XDG_DATA_HOME="$scratch/data"
version=$("$root/usr/bin/spanlyx-report" --version)
[ "$version" = "spanlyx-report (8.8)" ] || { echo "unexpected version: $version"; exit 1; }
json=$("$root/usr/bin/spanlyx-report" --json "$root/usr/share/spanlyx/examples/two-span-uniform.cb")
# Two equal spans of 20 ft under 1000 lb/ft: reactions 3wL/8, 10wL/8, 3wL/8.
python3 - "$json" <<'PY'
import json, sys
doc = json.loads(sys.argv[1])
got = [round(j["reaction_shear"], 6) for j in doc["joints"]]
assert got == [7500.0, 25000.0, 7500.0], got
PY
if [ "$install" = yes ]; then
  echo "Package installed and analysed an example from the installed paths."
else
  echo "Package built, unpacked and analysed an example from the unpacked paths."
fi
