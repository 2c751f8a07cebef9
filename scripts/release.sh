#!/usr/bin/env bash
# Makes dist/RUZOziv-2.0.0.6.zip: both exes (64-bit and 32-bit, stripped) and
# the read-mes for users, both with CRLF line ends: the Japanese one in
# Shift-JIS (CP932), the English one in UTF-8 with a byte-order mark (it quotes
# the Japanese button names), so Notepad on any Windows shows them right.
set -euo pipefail
cd "$(dirname "$0")/.."

version=2.0.0.6
name=RUZOziv-$version

bash scripts/install-deps.sh
bash scripts/build-windows.sh win64 win32

mkdir -p dist
# Nothing in dist/ belongs in the repository.
printf '*\n' > dist/.gitignore
stage=dist/$name
rm -rf "$stage" "dist/$name.zip"
mkdir -p "$stage"

x86_64-w64-mingw32-strip -o "$stage/RUZOziv-x64.exe" build/win64/ui/RUZOziv.exe
i686-w64-mingw32-strip -o "$stage/RUZOziv-x86.exe" build/win32/ui/RUZOziv.exe
sed 's/$/\r/' docs/readme-ja.txt | iconv -f UTF-8 -t CP932 > "$stage/readme-ja.txt"
{ printf '\xEF\xBB\xBF'; sed 's/$/\r/' docs/readme-en.txt; } > "$stage/readme-en.txt"

# The stripped copies must still carry the full resources.
python3 res/check_resources.py "$stage/RUZOziv-x64.exe"
python3 res/check_resources.py "$stage/RUZOziv-x86.exe"

# Fixed timestamps, so the same sources give the same zip.
find "$stage" -exec touch -d "@$(git log -1 --format=%ct 2>/dev/null || echo 0)" {} +
(cd dist && zip -X -q -r "$name.zip" "$name")

echo
unzip -l "dist/$name.zip"
sha256sum "dist/$name.zip"
