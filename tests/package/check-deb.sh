#!/usr/bin/env bash
# Packs the build given as $1 (version $2) into a .deb, checks what it holds and what it
# depends on, and runs lintian on it: any error fails.
set -euo pipefail
build=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" || { cat "$out/cpack.log"; exit 1; }
deb=$out/vornak_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no $(basename "$deb") in: $(ls "$out")"; exit 1; }

contents=$(dpkg-deb --contents "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
for file in ./usr/games/vornak \
  ./usr/share/games/vornak/data/engine.cfg ./usr/share/games/vornak/NPCs/fighter8.cfg \
  ./usr/share/games/vornak/images/vntiles.tga "./usr/share/games/vornak/Music/Ashen Tide.mp3" \
  ./usr/share/applications/vornak.desktop ./usr/share/man/man6/vornak.6.gz \
  ./usr/share/icons/hicolor/64x64/apps/vornak.png ./usr/share/icons/hicolor/128x128/apps/vornak.png \
  ./usr/share/icons/hicolor/256x256/apps/vornak.png ./usr/share/doc/vornak/copyright; do
  grep -qxF "$file" <<< "$contents" || { echo "the package lacks $file"; exit 1; }
done
if grep -q runlog <<< "$contents"; then
  echo "the package holds a run log"
  exit 1
fi

# Dependencies come from the libraries the executable links, and libGL, which SDL opens
# when it makes the window (without it an installed game fails to start).
depends=$(dpkg-deb --field "$deb" Depends)
names=$(sed 's/([^)]*)//g; s/[,|]/\n/g' <<< "$depends" | tr -d ' ')
for library in libsdl1.2debian libsdl-mixer1.2 libglu1-mesa libx11-6 libgl1; do
  grep -qx "$library" <<< "$names" || { echo "Depends lacks $library: $depends"; exit 1; }
done

lintian --fail-on error --tag-display-limit 0 "$deb"
