#!/usr/bin/env bash
# Cross-builds RUZOziv.exe for 64-bit (build/win64, with the engine tests) and
# 32-bit Windows (build/win32), Release, then checks each exe: it exists,
# imports only system DLLs (static runtime, nothing to ship beside it), and
# its resources are exactly the required templates, menu, icon and version.
#
#   bash scripts/build-windows.sh          both
#   bash scripts/build-windows.sh win64    only the 64-bit build
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=${JOBS:-2}
targets=("${@:-win64 win32}")
read -r -a targets <<<"${targets[*]}"

# DLLs that every Windows has; anything else would have to ship with the exe.
system_dlls='^(KERNEL32|USER32|GDI32|COMCTL32|COMDLG32|SHELL32|OLE32|ADVAPI32|MSVCRT|SHLWAPI|WS2_32)\.DLL$'

build_one() {
    local name=$1 toolchain objdump tests=OFF
    case $name in
        win64) toolchain=cmake/mingw-w64-x86_64.cmake; objdump=x86_64-w64-mingw32-objdump; tests=ON ;;
        win32) toolchain=cmake/mingw-w64-i686.cmake; objdump=i686-w64-mingw32-objdump ;;
        *) echo "unknown build: $name (win64 or win32)" >&2; return 2 ;;
    esac

    echo "== $name: configure and build (Release)"
    cmake -S . -B "build/$name" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DRUZOZIV_TESTS="$tests" >/dev/null
    cmake --build "build/$name" -j"$jobs"

    local exe="build/$name/ui/RUZOziv.exe"
    if [ ! -f "$exe" ]; then
        echo "$exe was not built" >&2
        return 1
    fi

    local dlls bad
    dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
    echo "$name imports: $(echo "$dlls" | tr '\n' ' ')"
    bad=$(echo "$dlls" | tr '[:lower:]' '[:upper:]' | grep -Ev "$system_dlls" || true)
    if [ -n "$bad" ]; then
        echo "$exe needs DLLs that are not part of Windows: $bad" >&2
        return 1
    fi

    python3 res/check_resources.py "$exe"
    echo "$name: $exe ($(stat -c %s "$exe") bytes)"
}

for t in "${targets[@]}"; do
    build_one "$t"
done
