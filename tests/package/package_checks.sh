#!/usr/bin/env bash
# Checks of the Debian package made from this build tree, one kind per call:
#   package_checks.sh build <work dir> <build dir>   make the package, unpack it
#   package_checks.sh contents|desktop|mime|appstream|lintian <work dir>
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }

check=$1 work=$2
root=$work/root
[ "$check" = build ] || deb=$(ls "$work"/kaldoventri_*.deb)

case $check in
build)
  rm -rf "$work" && mkdir -p "$work"
  (cd "$3" && cpack --config CPackConfig.cmake -B "$work")
  dpkg-deb -x "$work"/kaldoventri_*.deb "$root" ;;
contents)
  listing=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
  for path in bin/kaldoventri share/doc/kaldoventri/{copyright,changelog.gz} share/man/man1/kaldoventri.1.gz share/man/sv/man1/kaldoventri.1.gz \
      share/{applications/kaldoventri.desktop,mime/packages/kaldoventri.xml,metainfo/io.github.kaldoventri.Kaldoventri.metainfo.xml} \
      share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/{apps/kaldoventri,mimetypes/application-x-kaldoventri}.png \
      share/icons/hicolor/scalable/{apps/kaldoventri,mimetypes/application-x-kaldoventri}.svg; do
    grep -qx "./usr/$path" <<<"$listing" || fail "the package lacks /usr/$path"
  done
  control=$(dpkg-deb -f "$deb" Depends Recommends)
  for needed in Depends:.*{libqt6widgets6,libjpeg62-turbo,qt6-qpa-plugins} Recommends:.*qt6-translations-l10n; do
    grep -q "^$needed" <<<"$control" || fail "no $needed in $control"
  done
  version=$(dpkg-deb -f "$deb" Version)
  zcat "$root/usr/share/doc/kaldoventri/changelog.gz" | grep -qF "kaldoventri ($version)" || fail "no changelog entry $version"
  grep -qF "<release version=\"$version\"" "$root"/usr/share/metainfo/*.xml || fail "no AppStream release $version" ;;
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
    cp "$(dirname "$0")/../../fuzz/corpus/$sample" "$work/$name"
    type=$(gio info -a standard::content-type "$work/$name" | sed -n 's/.*standard::content-type: //p')
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
