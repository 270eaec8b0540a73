#!/usr/bin/env bash
# Checks of the Debian package made from this build tree, one kind per call:
#   package_checks.sh build <work dir> <build dir>   make the package, unpack it
#   package_checks.sh contents|desktop|mime|appstream|lintian <work dir>
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }

check=$1 work=$2
root=$work/root
corpus=$(dirname "$0")/../../fuzz/corpus
[ "$check" = build ] || deb=$(ls "$work"/kaldoventri_*.deb)

case $check in
build)
  rm -rf "$work" && mkdir -p "$work"
  (cd "$3" && cpack --config CPackConfig.cmake -B "$work")
  dpkg-deb -x "$work"/kaldoventri_*.deb "$root" ;;
contents)
  listing=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
  for path in bin/kaldoventri share/applications/kaldoventri.desktop \
      share/metainfo/io.github.kaldoventri.Kaldoventri.metainfo.xml share/mime/packages/kaldoventri.xml \
      share/icons/hicolor/scalable/apps/kaldoventri.svg \
      share/icons/hicolor/scalable/mimetypes/application-x-kaldoventri.svg \
      share/man/man1/kaldoventri.1.gz share/doc/kaldoventri/copyright share/doc/kaldoventri/changelog.gz; do
    grep -qx "./usr/$path" <<<"$listing" || fail "the package lacks /usr/$path"
  done
  for size in 16 22 24 32 48 64 128 256; do
    for icon in apps/kaldoventri mimetypes/application-x-kaldoventri; do
      png=$root/usr/share/icons/hicolor/${size}x$size/$icon.png
      file "$png" | grep -q "PNG image data, $size x $size," || fail "$png is not a $size x $size PNG"
    done
  done
  depends=$(dpkg-deb -f "$deb" Depends)
  for needed in libqt6widgets6 libjpeg62-turbo qt6-qpa-plugins; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
  done
  [[ $(dpkg-deb -f "$deb" Recommends) == *qt6-translations-l10n* ]] || fail "Recommends lacks qt6-translations-l10n"
  version=$(dpkg-deb -f "$deb" Version)
  zcat "$root/usr/share/doc/kaldoventri/changelog.gz" | head -1 | grep -qF "kaldoventri ($version)" ||
    fail "the changelog has no entry for $version"
  grep -qF "<release version=\"$version\"" "$root"/usr/share/metainfo/*.xml || fail "AppStream has no release $version" ;;
desktop)
  problems=$(desktop-file-validate "$root/usr/share/applications/kaldoventri.desktop")
  [ -z "$problems" ] || fail "$problems" ;;
appstream)
  appstreamcli validate-tree --no-net --strict "$root" ;;
lintian)
  lintian --fail-on error,warning --display-level '>=pedantic' "$deb" ;;
mime)
  # A database of this type alone, so a type installed on this machine cannot answer.
  data=$work/mime-data && rm -rf "$data" && mkdir -p "$data/mime/packages"
  cp "$root/usr/share/mime/packages/kaldoventri.xml" "$data/mime/packages/"
  xmllint --noout "$data/mime/packages/kaldoventri.xml"
  export XDG_DATA_DIRS=$data XDG_DATA_HOME=$data
  problems=$(update-mime-database "$data/mime" 2>&1)
  [ -z "$problems" ] || fail "$problems"
  while read -r sample name expected; do
    cp "$corpus/$sample" "$work/$name"
    type=$(gio info -a standard::content-type "$work/$name" |
      sed -n 's/.*standard::content-type: //p')
    [ "$type" = "$expected" ] || fail "$sample as '$name' is $type, not $expected"
  done <<'TABLE'
valid.vkf renamed-test application/x-kaldoventri
refused-magic-trailing-blank.vkf near-miss text/plain
refused-magic-lower-case.vkf by-name.vkf application/x-kaldoventri
TABLE
  ;;
*) fail "unknown check $check" ;;
esac
echo "PASS: $check"
