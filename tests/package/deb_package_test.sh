# The Debian package of the build under test, made by cpack from that very build: it holds every
# file installation promises, names the Qt libraries it needs, passes lintian with no error, and
# its programs run from where the package puts them. Every check runs and reports; the window
# comes last, as its failure stops the script.
# Run by run_under_xvfb.sh; CPACK_CONFIG and QUADRIX_VERSION come from ctest.
source "$WINDOW_TESTS/lib.sh"

failures=0
check() {  # description, then a command that succeeds when the check holds
  local what=$1; shift
  if "$@"; then note "ok: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}

cpack -G DEB --config "$CPACK_CONFIG" -B "$WORK/package" > "$WORK/cpack.log" 2>&1 \
  || { cat "$WORK/cpack.log"; fail "cpack could not make the package"; }
deb=$WORK/package/quadrix_${QUADRIX_VERSION}_amd64.deb
[ -f "$deb" ] || { ls "$WORK/package"; fail "no package named $(basename "$deb")"; }

dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' > "$WORK/contents"
has_file() { grep -qxF "$1" "$WORK/contents"; }
icons=/usr/share/icons/hicolor
for file in /usr/bin/quadrix /usr/bin/quadrix-export /usr/share/applications/io.github.quadrix.quadrix.desktop \
    $icons/scalable/apps/quadrix.svg /usr/share/man/man1/quadrix.1.gz \
    /usr/share/man/man1/quadrix-export.1.gz /usr/share/doc/quadrix/readme.txt \
    /usr/share/doc/quadrix/copyright /usr/share/doc/quadrix/changelog.gz \
    "/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/quadrix/quadrix-export-drivers.so" \
    /usr/share/mime/packages/quadrix.xml \
    /usr/share/metainfo/io.github.quadrix.quadrix.metainfo.xml; do
  check "the package holds $file" has_file "$file"
done
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
  check "the package holds the ${size}x$size icon" has_file "$icons/${size}x$size/apps/quadrix.png"
done

depends=$(dpkg-deb -f "$deb" Depends)
note "Depends: $depends"
names() { tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }'; }
for library in libqt6core6 libqt6gui6 libqt6widgets6; do
  check "Depends names $library" grep -qx "$library" <(names)
done
no_development_package() { ! names | grep -q -- '-dev$'; }
check "Depends names no development package" no_development_package

lintian_clean() {
  lintian --fail-on error "$deb" > "$WORK/lintian.txt" 2>&1
  local status=$?
  grep -v 'running with root privileges' "$WORK/lintian.txt" || true
  return $status
}
check "lintian reports no error" lintian_clean
lintian_says_nothing() { ! grep -E '^[EWI]: ' "$WORK/lintian.txt"; }
check "lintian reports no warning either" lintian_says_nothing

root=$WORK/root
dpkg-deb -x "$deb" "$root"
for size in "${sizes[@]}"; do
  check "the ${size}x$size icon is a ${size} by $size PNG" \
    grep -q "PNG image data, $size x $size," <(file "$root$icons/${size}x$size/apps/quadrix.png")
done
readme_is_plain() { ! grep -qP '[^\x00-\x7F]' "$root/usr/share/doc/quadrix/readme.txt"; }
check "readme.txt is written without accents" readme_is_plain
# The file type as a file manager learns it: the package's description in a data folder of its own,
# the database built from it, then xdg-mime asking (through gio) what a drawing file is.
edt_type() {
  local share=$WORK/share
  mkdir -p "$share/mime/packages" && cp "$root/usr/share/mime/packages/quadrix.xml" "$share/mime/packages/"
  update-mime-database "$share/mime" || return 1
  printf '\0\0\0\0' > "$WORK/drawing.edt"
  local type
  type=$(HOME=$WORK XDG_DATA_HOME=$share XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$WORK/drawing.edt")
  note "xdg-mime query filetype drawing.edt: $type"
  [ "$type" = application/x-quadrix-drawing ] || return 1
  grep -q '<comment>Desenho do Quadrix</comment>' "$share/mime/application/x-quadrix-drawing.xml" &&
    grep -q '<icon name="quadrix"/>' "$share/mime/application/x-quadrix-drawing.xml"
}
check "xdg-mime names an .edt file Desenho do Quadrix, with the icon" edt_type
unclaimed() { ! grep -q '^MimeType=' "$root/usr/share/applications/io.github.quadrix.quadrix.desktop"; }
check "the menu entry does not claim the file type" unclaimed
# The software centre's description: no error, no warning, even among the pedantic notes.
metainfo_valid() {
  appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/io.github.quadrix.quadrix.metainfo.xml" \
    > "$WORK/appstream.txt" 2>&1 || { cat "$WORK/appstream.txt"; return 1; }
  ! grep -E '^[EWIP]: ' "$WORK/appstream.txt"
}
check "appstreamcli validates the AppStream file with nothing to say" metainfo_valid
export_version() {
  local out
  out=$("$root/usr/bin/quadrix-export" --version) || return 1
  note "quadrix-export --version: $out"
  grep -qF "$QUADRIX_VERSION" <<<"$out"
}
check "the extracted quadrix-export --version names $QUADRIX_VERSION" export_version
# The converter loads Qt only for PDF and PNG, from its module, never at start.
export_without_qt() { ! ldd "$root/usr/bin/quadrix-export" | grep -qi 'libQt'; }
check "ldd of quadrix-export names no Qt library" export_without_qt
export_formats() {
  printf '\0\0\0\0\12\0\0\0\310\0\0\0\377\377\377\377\12\0\0\0\170\0\0\0\377\377\377\377' > "$WORK/d.edt"
  local format
  for format in svg pdf png; do
    "$root/usr/bin/quadrix-export" "$WORK/d.edt" "$WORK/d.$format" || return 1
  done
  file "$WORK/d.pdf" | grep -q 'PDF document' && file "$WORK/d.png" | grep -q 'PNG image data'
}
check "the extracted quadrix-export writes SVG, and PDF and PNG through its module" export_formats

QUADRIX=$root/usr/bin/quadrix
start_app
note "ok: the extracted quadrix shows its window"
stop_app

[ $failures = 0 ] || { echo "$failures checks failed"; exit 1; }
echo PASS
