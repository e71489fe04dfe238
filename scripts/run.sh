#!/usr/bin/env bash
# Builds QxMorva and starts it on its working folder.
#   scripts/run.sh [working folder]      (default: ~/QxMorva)
# A new working folder starts as a copy of the installation tree (data/). An
# existing one keeps the user's files (archives, settings, texts): only files
# it lacks are added, and the files that belong to the program rather than to
# the user (the engine's data, the symbol pictures, the manuals) are brought
# up to date. A desktop entry is installed so QxMorva appears in the
# application menu.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="${1:-$HOME/QxMorva}"

bash "$root/scripts/install-deps.sh" run
cmake -S "$root" -B "$root/build/run" -DCMAKE_BUILD_TYPE=Release \
  -DQXMORVA_BUILD_TESTS=OFF -DQXMORVA_BUILD_BENCH=OFF -DQXMORVA_BUILD_TOOLS=OFF >/dev/null
cmake --build "$root/build/run" -j"$(nproc)" --target qxmorva
program="$root/build/run/shell/ui/qxmorva"

mkdir -p "$work"
work="$(cd "$work" && pwd)"
cp -rn "$root/data/." "$work/"
for folder in FilePosi Simboli Zodiaco; do
  if [ -d "$root/data/$folder" ]; then
    mkdir -p "$work/$folder"
    cp -r "$root/data/$folder/." "$work/$folder/"
  fi
done
for file in Istruzioni.pdf Istruzioni_J.pdf Dispensa.pdf FineProg.bmp FineProgClic.bmp; do
  if [ -f "$root/data/$file" ]; then cp "$root/data/$file" "$work/$file"; fi
done

# The desktop entry starts the program built here, in this working folder.
apps="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
icons="${XDG_DATA_HOME:-$HOME/.local/share}/icons/hicolor/256x256/apps"
icon="$root/shell/ui/pictures/qxmorva.png"
mkdir -p "$apps"
{
  echo "[Desktop Entry]"
  echo "Type=Application"
  echo "Name=QxMorva"
  echo "GenericName=Astrologia e rimedi erboristici"
  echo "Comment=Temi natali, archivi dei soggetti e rimedi alchemici"
  echo "Exec=\"$program\""
  echo "Path=$work"
  if [ -f "$icon" ]; then
    mkdir -p "$icons"
    cp "$icon" "$icons/qxmorva.png"
    echo "Icon=qxmorva"
  fi
  echo "Terminal=false"
  echo "Categories=Office;Education;"
} > "$apps/qxmorva.desktop"
if command -v update-desktop-database >/dev/null; then
  update-desktop-database -q "$apps" 2>/dev/null || true
fi

cd "$work"
exec "$program"
