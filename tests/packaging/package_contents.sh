#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks what it installs and needs.
# Usage: package_contents.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/unitdesk_*.deb)
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
case "$(basename "$deb")" in
  "unitdesk_${version}_$(dpkg --print-architecture).deb") ;;
  *) echo "unexpected package name: $deb"; exit 1 ;;
esac

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
fail=0
for path in ./usr/bin/unitdesk ./usr/bin/unitsim \
            ./usr/share/applications/unitdesk.desktop \
            ./usr/share/metainfo/org.unitdesk.unitdesk.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/unitdesk.svg \
            ./usr/share/icons/hicolor/16x16/apps/unitdesk.png \
            ./usr/share/icons/hicolor/48x48/apps/unitdesk.png \
            ./usr/share/icons/hicolor/256x256/apps/unitdesk.png \
            ./usr/share/doc/unitdesk/README.md ./usr/share/doc/unitdesk/LICENSE; do
  grep -qx "$path" <<<"$contents" || { echo "missing from the package: $path"; fail=1; }
done
if grep -v '^\./usr/' <<<"$contents" | grep -qv '^\./$'; then
  echo "files outside /usr:"; grep -v '^\./usr/' <<<"$contents" | grep -v '^\./$'; fail=1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6serialport6 libqt6printsupport6 fonts-noto-cjk qt6-translations-l10n; do
  grep -q "\b$dep\b" <<<"$depends" || { echo "missing dependency $dep in: $depends"; fail=1; }
done

# The desktop entry starts the installed program by its name.
dpkg-deb -x "$deb" "$out/root"
grep -qx 'Exec=unitdesk' "$out/root/usr/share/applications/unitdesk.desktop" || { echo "Exec line"; fail=1; }
"$out/root/usr/bin/unitdesk" --version | grep -qx "unitdesk $version" || { echo "--version"; fail=1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$out/root/usr/share/applications/unitdesk.desktop" || fail=1
fi
exit $fail
