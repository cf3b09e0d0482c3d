#!/usr/bin/env bash
# The program as a desktop installs it: the desktop entry, the AppStream description, the .snf file
# type and the manual pages are valid; an install under a temporary root runs; the Debian package holds
# exactly the installed files and names the libraries the programs link.
# Usage: check-package.sh SOURCE_DIR BUILD_DIR VERSION
set -euo pipefail
src=$1 build=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$src/packaging/zomar.desktop"
appstreamcli validate --no-net "$src/packaging/io.github.zomar.Zomar.metainfo.xml"

mkdir -p "$work/mime/packages"
cp "$src/packaging/zomar-mime.xml" "$work/mime/packages/zomar.xml"
update-mime-database "$work/mime" 2>/dev/null
grep -qx '50:application/x-zomar-network:\*\.snf' "$work/mime/globs2" || fail "*.snf is not application/x-zomar-network"

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
[ "$("$root/usr/bin/zomar-cli" --version)" = "zomar-cli $version" ] || fail "zomar-cli --version is not $version"
[ -x "$root/usr/bin/zomar" ] || fail "zomar is not installed"
! ldd "$root/usr/bin/zomar" | grep 'not found' || fail "zomar links a library that is missing"
# The window looks for its help file in ../share/zomar beside the program's folder.
[ -f "$root/usr/bin/../share/zomar/ZOMAR.html" ] || fail "the help file is not where the window looks"
for page in zomar zomar-cli; do
  warnings=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man page $page: $warnings"
done

cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >/dev/null
deb=$work/package/zomar_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no package $(basename "$deb")"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$work/files"
diff -u - "$work/files" <<'LIST' || fail "the package holds other files than those above"
./usr/bin/zomar
./usr/bin/zomar-cli
./usr/share/applications/zomar.desktop
./usr/share/icons/hicolor/scalable/apps/zomar.svg
./usr/share/man/man1/zomar-cli.1.gz
./usr/share/man/man1/zomar.1.gz
./usr/share/metainfo/io.github.zomar.Zomar.metainfo.xml
./usr/share/mime/packages/zomar.xml
./usr/share/zomar/ZOMAR.html
LIST
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6svg6 libqt6printsupport6 libstdc++6 fonts-dejavu-core fonts-liberation; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
