#!/usr/bin/env bash
# Builds the Debian package and checks what it holds and what it depends on:
# every library the executable links must come from a package named in Depends.
# Usage: package_test.sh <repository> <work folder>
set -euo pipefail
root=$1
work=$2
mkdir -p "$work"
deb=$("$root/scripts/package.sh" "$work/build" | tail -1)
fail=0
error() { echo "FAIL: $*" >&2; fail=1; }

contents=$(dpkg-deb -c "$deb")
listing=$(awk '{print $6}' <<<"$contents")
for path in \
    ./usr/bin/zorbanix \
    ./usr/lib/zorbanix/zorbanix ./usr/lib/zorbanix/Config.ini \
    ./usr/lib/zorbanix/Readme.txt ./usr/lib/zorbanix/Whatsnew.txt \
    ./usr/lib/zorbanix/Graphics/Skin/ ./usr/lib/zorbanix/Graphics/Backdrops/tabletop.jpg \
    ./usr/lib/zorbanix/Graphics/Manual/12.bmp ./usr/lib/zorbanix/Graphics/Windows/about.png \
    ./usr/lib/zorbanix/Sound/Shot.wav \
    ./usr/share/applications/org.example.zorbanix.desktop \
    ./usr/share/metainfo/org.example.zorbanix.metainfo.xml \
    ./usr/share/icons/hicolor/{48x48,128x128,256x256,512x512}/apps/org.example.zorbanix.png; do
  grep -qxF "$path" <<<"$listing" || error "the package lacks $path"
done
for n in 48 128 256 512; do
  size=$(dpkg-deb --fsys-tarfile "$deb" |
    tar -xO "./usr/share/icons/hicolor/${n}x${n}/apps/org.example.zorbanix.png" | file -)
  [[ $size == *"PNG image data, $n x $n,"* ]] || error "the ${n}px icon is $size"
done
outside=$(grep -v '^\./$\|^\./usr/' <<<"$listing" || true)
[ -z "$outside" ] || error "files outside /usr: $outside"
grep -q '^l.* \./usr/bin/zorbanix -> \.\./lib/zorbanix/zorbanix$' <<<"$contents" ||
  error "usr/bin/zorbanix is not a relative link to the program"

for field in Maintainer Description Installed-Size Depends; do
  [ -n "$(dpkg-deb -f "$deb" "$field")" ] || error "no $field"
done
depends=" $(dpkg-deb -f "$deb" Depends | sed 's/([^)]*)//g; s/[,|]/ /g') "

# The packaged executable's own libraries, each traced to the package that ships it.
rm -rf "$work/root"
dpkg-deb -x "$deb" "$work/root"
exe="$work/root/usr/lib/zorbanix/zorbanix"
for lib in $(objdump -p "$exe" | awk '$1 == "NEEDED" {print $2}'); do
  file=$(ldd "$exe" | awk -v lib="$lib" '$1 == lib {print $3}')
  [ -n "$file" ] || { error "$lib is not found on this machine"; continue; }
  pkg=$(dpkg -S "$file" 2>/dev/null || dpkg -S "$(readlink -f "$file")" 2>/dev/null ||
    dpkg -S "${file#/usr}" 2>/dev/null || true)
  pkg=${pkg%%:*}
  [ -n "$pkg" ] || { error "no package ships $file"; continue; }
  [[ $depends == *" $pkg "* ]] || error "$lib comes from $pkg, which Depends lacks"
done
[[ $depends != *libasan* && $depends != *libubsan* ]] || error "sanitizer runtimes in Depends"
# Loaded at run time, not linked: the font of the splash window's texts and
# the sound library.
for pkg in fonts-liberation libsdl2-mixer-2.0-0; do
  [[ $depends == *" $pkg "* ]] || error "Depends lacks $pkg"
done

# Recommended: the shell's "open", and Qt's Wayland plugin for a native
# Wayland window.
recommends=" $(dpkg-deb -f "$deb" Recommends | sed 's/([^)]*)//g; s/[,|]/ /g') "
for pkg in xdg-utils qt6-wayland; do
  [[ $recommends == *" $pkg "* ]] || error "Recommends lacks $pkg"
done

echo "$(basename "$deb"): Installed-Size $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
exit $fail
