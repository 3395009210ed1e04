#!/usr/bin/env bash
# Builds the Debian package from a built tree, unpacks it into a scratch root and checks what a
# user's machine gets: a program that starts from there and answers on its command line without a
# display, its library dependencies, a valid desktop entry, the icon and the file type.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
package=$(ls "$scratch"/out/korvel_*.deb)
dpkg-deb -x "$package" "$scratch/root"
root=$scratch/root/usr

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6widgets6 libqt6openglwidgets6 libdxflib libc6; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

version=$(env -u DISPLAY QT_QPA_PLATFORM= "$root/bin/korvel" --version) || fail "korvel --version"
[[ $version == "korvel "[0-9]* ]] || fail "unexpected version text: $version"
env -u DISPLAY "$root/bin/korvel" --help | grep -q -- "--version" || fail "korvel --help"
status=0
env -u DISPLAY "$root/bin/korvel" --no-such-option 2>"$scratch/usage" || status=$?
[ "$status" -eq 2 ] && grep -q "korvel --help" "$scratch/usage" || fail "bad option gave $status"

desktop-file-validate "$root/share/applications/korvel.desktop" || fail "desktop entry"
grep -q '^Exec=korvel %f$' "$root/share/applications/korvel.desktop" || fail "Exec line"
grep -q 'application/x-korvel-design' "$root/share/applications/korvel.desktop" || fail "MimeType line"
grep -q '<glob pattern="\*.korvel"/>' "$root/share/mime/packages/korvel.xml" || fail "mime glob"
for size in 16 32 48 64 128 256; do
    [ -s "$root/share/icons/hicolor/${size}x${size}/apps/korvel.png" ] || fail "icon ${size}"
done
[ -s "$root/share/icons/hicolor/scalable/apps/korvel.svg" ] || fail "scalable icon"
[ -s "$root/share/korvel/img/badd.bmp" ] && [ -s "$root/share/korvel/img/bapply.bmp" ] || fail "glyphs"
echo "package $(basename "$package") checked"
