#!/usr/bin/env bash
# Builds the Debian package and checks its files, its dependencies, lintian's verdict and that the
# unpacked program starts. Touches neither the package database nor anything outside the build.
set -euo pipefail
build=$1 version=$2 id=$3
cmake --build "$build" --target package >/dev/null
deb=$build/zeb_${version}_$(dpkg --print-architecture).deb

contents=$(dpkg-deb --contents "$deb")
for file in bin/zeb "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg" share/man/man1/zeb.1.gz \
    share/doc/zeb/copyright share/doc/zeb/changelog.Debian.gz; do
    grep -q " \./usr/$file\$" <<<"$contents" || { echo "missing: /usr/$file"; exit 1; }
done
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6svg6 qt6-qpa-plugins fonts-liberation; do
    grep -qw -- "$package" <<<"$depends" || { echo "Depends lacks $package: $depends"; exit 1; }
done

# No error, and no warning but those the README explains.
report=$(lintian --no-tag-display-limit "$deb" 2>/dev/null)
echo "$report"
if grep -E '^(E|W):' <<<"$report" | grep -v 'wrong-name-for-changelog-of-native-package'; then
    exit 1
fi

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
[ "$(QT_QPA_PLATFORM=offscreen "$unpacked/usr/bin/zeb" --version)" = "zeb $version" ]
echo "package $deb checked"
