#!/bin/sh
# Installs the build into a temporary prefix (DESTDIR), checks the installed layout, makes
# the installation read-only and runs the installed copy there, from another folder, as a
# user who cannot write it: the program's driver (installed_run) is copied into the installed
# program folder first, so that it finds its libraries, data and display control as the
# installed program does.  Exit 77: skipped.
set -eu
build=$1
driver=$2
prefix=/opt/zomelbuilder

work=$(mktemp -d /tmp/zomel-install-XXXXXX)
cleanup() {
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"

DESTDIR="$work/root" cmake --install "$build" --prefix "$prefix" > "$work/install.log"
root="$work/root$prefix"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
# bin/zomelbuilder starts the program in its folder, wherever the prefix was copied.
[ -L "$root/bin/zomelbuilder" ] || fail "bin/zomelbuilder is not a link"
program=$(readlink -f "$root/bin/zomelbuilder")
[ -x "$program" ] || fail "bin/zomelbuilder leads to no program ($program)"
appdir=$(dirname "$program")
for name in libzomel_core.so libzrt.so libveldosign.so components.manifest strings.tsv \
        config2.bin mapping.bin ClipText.txt Header.inc E.hms CustomEst.hms CustomSpec.hms \
        ZomelSpec.hms forms/frmMain.json fonts/veldo-5x7.bdf gifs_jpegs/pic.txt \
        help/index.html pictures; do
    [ -e "$appdir/$name" ] || fail "$name is not in the installed program folder $appdir"
done
for name in share/applications/zomelbuilder.desktop share/icons/hicolor/scalable/apps/zomelbuilder.svg \
        share/icons/hicolor/48x48/apps/zomelbuilder.png share/metainfo/com.veldo.zomelbuilder.metainfo.xml; do
    [ -f "$root/$name" ] || fail "$name is not installed"
done
# The binaries look for their libraries beside themselves only, never in the build.
for binary in "$program" "$appdir"/*.so; do
    runpath=$(readelf -d "$binary" | sed -n 's/.*(\(RPATH\|RUNPATH\)).*\[\(.*\)\]/\2/p')
    case "$runpath" in
        *"$build"*) fail "$binary looks for libraries in the build: $runpath" ;;
    esac
done

cp "$driver" "$appdir/"
chmod -R a-w "$work/root"
mkdir "$work/user"
cd "$work/user"
user=""
if [ "$(id -u)" = 0 ]; then
    # root writes anywhere: the user is nobody.
    command -v setpriv > /dev/null || { echo "setpriv is missing: cannot run as a user"; exit 77; }
    chown 65534 "$work/user"
    user="setpriv --reuid=65534 --regid=65534 --clear-groups"
    $user test -x "$appdir/installed_run" ||
        { echo "the user nobody cannot reach $appdir"; exit 77; }
fi
$user env -u ZOMEL_APPDIR -u ZOMEL_WINDIR -u XDG_CONFIG_HOME -u XDG_DOCUMENTS_DIR \
    HOME="$work/user" TMPDIR="$work/user" QT_QPA_PLATFORM=offscreen "$appdir/installed_run"
