#!/usr/bin/env bash
# Builds the Debian package and checks it the way a school's machine would use
# it: unpacked into a scratch root, the menu entries' commands must start both
# programs, and each must have its files beside its real executable. Then the
# same for `cmake --install` into a scratch prefix, and that `uninstall` clears it.
#
#   scripts/check_package.sh [BUILD_DIR]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target tavessa lumenta tavessa_compiler_jar tavessa_debugger_jar tavessa_shell_jar >/dev/null
rm -f "$build"/tavessa_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
debs=("$build"/tavessa_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "check_package: no .deb was built" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "check_package: FAIL: $*" >&2; failures=$((failures + 1)); }
ok() { echo "check_package: ok: $*"; }

# --- the package's control data ---------------------------------------------
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 fonts-liberation2 \
              qt6-translations-l10n "openjdk-17-jdk | default-jdk" "xterm | x-terminal-emulator"; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks '$needed'"
done
[ "$(dpkg-deb -f "$deb" Package)" = tavessa ] || fail "package name is not tavessa"

# --- an installed tree: layout, menu entries, start-up ----------------------
# check_tree ROOT PREFIX: PREFIX is where the tree was installed (absolute, inside ROOT).
check_tree() {
    local root=$1 prefix=$2 what=$3
    local bin=$prefix/bin share=$prefix/share
    for program in tavessa lumenta; do
        [ -L "$bin/$program" ] || fail "$what: $bin/$program is not a link"
        [ -x "$(readlink -f "$bin/$program")" ] || fail "$what: $bin/$program does not lead to a program"
    done
    local appdir lumentadir
    appdir=$(dirname "$(readlink -f "$bin/tavessa")")
    lumentadir=$(dirname "$(readlink -f "$bin/lumenta")")
    [ -f "$appdir/Help/index.htm" ] || fail "$what: no Help/index.htm beside tavessa ($appdir)"
    [ -f "$lumentadir/index.htm" ] || fail "$what: no index.htm beside lumenta ($lumentadir)"
    local missing=()
    for n in $(seq 1 15); do
        [ -f "$appdir/imagens/$n.bmp" ] || missing+=("$n.bmp")
    done
    ((${#missing[@]} == 0)) || fail "$what: imagens/ beside tavessa lacks ${missing[*]}"

    # The compile helper lies beside tavessa, starts and compiles.
    local jar=$appdir/tavessa-compiler.jar
    [ -f "$jar" ] || fail "$what: no tavessa-compiler.jar beside tavessa"
    mkdir -p "$scratch/compile" && echo 'class Ola {}' >"$scratch/compile/Ola.java"
    local answer
    answer=$(printf 'compile\ndir %s\nfile Ola.java\nencoding UTF-8\nend\n' "$scratch/compile" \
        | timeout 60 java -jar "$jar" 2>&1 | tr '\n' ' ')
    [[ "$answer" == "ready result ok " && -f "$scratch/compile/Ola.class" ]] \
        || fail "$what: the compile helper answered '$answer'"
    rm -rf "$scratch/compile"

    # The debugger helper lies beside tavessa and answers for a folder.
    local debugger=$appdir/tavessa-debugger.jar
    [ -f "$debugger" ] || fail "$what: no tavessa-debugger.jar beside tavessa"
    answer=$(printf 'folder\t%s\nbreak\tOla.java\t1\n' "$scratch" \
        | timeout 60 java -jar "$debugger" 2>&1 | tr '\n' ' ')
    [[ "$answer" == $'nocode\tOla.java\t1 ' ]] || fail "$what: the debugger helper answered '$answer'"

    # The try-it helper lies beside tavessa and answers a line.
    local shell=$appdir/tavessa-shell.jar
    [ -f "$shell" ] || fail "$what: no tavessa-shell.jar beside tavessa"
    answer=$(printf 'eval\t7 / 2.0\n' | timeout 60 java -jar "$shell" 2>&1 | tr '\n' ' ')
    [[ "$answer" == $'ready value\t3.5\tdouble done ' ]] || fail "$what: the try-it helper answered '$answer'"

    for entry in "$share"/applications/*.desktop; do
        local exec icon
        exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
        icon=$(sed -n 's/^Icon=//p' "$entry")
        [ -x "$bin/$exec" ] || fail "$what: $(basename "$entry") starts '$exec', which is not in bin/"
        for size in 16x16 32x32 48x48 64x64 128x128 256x256; do
            [ -f "$share/icons/hicolor/$size/apps/$icon.png" ] || fail "$what: icon $icon missing at $size"
        done
        [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "$what: icon $icon.svg missing"
        if command -v desktop-file-validate >/dev/null; then
            desktop-file-validate "$entry" | grep -v ': hint: ' | grep . && fail "$what: $(basename "$entry") does not validate"
        fi
    done
    if command -v appstreamcli >/dev/null; then
        appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml >/dev/null \
            || fail "$what: AppStream metadata does not validate"
    fi

    # Each program started through its menu command must still be running
    # after five seconds (timeout's 124), not have stopped or crashed.
    local pids=() programs=(tavessa lumenta)
    for program in "${programs[@]}"; do
        env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 timeout 5 "$bin/$program" \
            >"$scratch/$program.log" 2>&1 &
        pids+=($!)
    done
    for i in "${!programs[@]}"; do
        local rc=0
        wait "${pids[$i]}" || rc=$?
        if [ "$rc" = 124 ]; then
            ok "$what: ${programs[$i]} started and stayed up"
        else
            fail "$what: ${programs[$i]} ended with $rc: $(head -c 400 "$scratch/${programs[$i]}.log")"
        fi
    done
}

dpkg-deb -x "$deb" "$scratch/deb"
check_tree "$scratch/deb" "$scratch/deb/usr" "package"

# --- install from source under a prefix, then uninstall ----------------------
prefix=$scratch/prefix
# Keep the record of a real installation from this build folder, if any.
manifest=$build/tavessa-installed-files.txt
[ ! -f "$manifest" ] || cp "$manifest" "$scratch/manifest.saved"
cmake --install "$build" --prefix "$prefix" >/dev/null
check_tree "$prefix" "$prefix" "make install"
cmake --build "$build" --target uninstall >/dev/null
left=$(find "$prefix" ! -type d)
[ -z "$left" ] || fail "uninstall left: $left"
[ ! -d "$prefix/lib/tavessa" ] || fail "uninstall left the folder $prefix/lib/tavessa"
if [ -f "$scratch/manifest.saved" ]; then cp "$scratch/manifest.saved" "$manifest"; else rm -f "$manifest"; fi

if ((failures)); then
    echo "check_package: $failures check(s) failed ($(basename "$deb"))" >&2
    exit 1
fi
ok "$(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"
