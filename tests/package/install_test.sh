#!/bin/sh
# Installs the package into a scratch root as dpkg would unpack it, and uses it there as a user
# would: the version, a batch run against the sample service (its pages through the connections
# module, loaded from its installed place), a batch run that reads a photo (the pictures module,
# the same way), the window (offscreen, handed over to the window's program) with its skin and
# hand pointer and a code file named on the command line. Then removes what dpkg would remove and
# checks that nothing is left behind.
#
# install_test.sh DEB SAMPLE_SERVICE PHOTO (PHOTO: a picture of the barcode 4006381333931)
set -eu
deb=$1
service=$2
photo=$3
scratch=$(mktemp -d)
service_pid=
tracer=
program=
cleanup()
{
    # A window left running by a failure, or anything it started, would hold the test's output
    # open until its timeout: the tracer leads a session of its own, and the whole of it ends.
    [ -n "$tracer" ] && kill -KILL "-$tracer" 2>/dev/null || true
    if [ -n "$service_pid" ]; then
        kill "$service_pid" 2>/dev/null || true
        wait "$service_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
fail()
{
    echo "install test: $*" >&2
    exit 1
}

root=$scratch/root
dpkg -x "$deb" "$root"
quillfen=$root/usr/bin/quillfen
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/config"
export XDG_CACHE_HOME="$scratch/home/cache" XDG_DATA_HOME="$scratch/home/data"
export QUILLFEN_LOOPBACK_ONLY=1 QUILLFEN_WEBSITE_URL= LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$HOME"

# The version the package says is the one the program says.
version=$(dpkg-deb -f "$deb" Version)
said=$("$quillfen" --version)
[ "$said" = "Quillfen $version" ] || fail "--version says \"$said\", the package is $version"

# Barcodes are read by ZBar and PDF pages drawn by Poppler, scanned pages come as TIFF: the
# package must bring all three.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libzbar0 libpoppler-qt6-3 qt6-image-formats-plugins; do
    case ", $depends," in
    *", $library "* | *", $library,"*) ;;
    *) fail "the package does not depend on $library: $depends" ;;
    esac
done

# Batch mode against the sample service, on a free port of this machine.
"$service" --port 0 >"$scratch/service.log" 2>&1 &
service_pid=$!
port=
for _ in $(seq 100); do
    port=$(sed -n 's|^listening on http://127\.0\.0\.1:\([0-9]*\)$|\1|p' "$scratch/service.log")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || fail "the sample service did not start: $(cat "$scratch/service.log")"
printf '4988112412613\n0823564706221\n' >"$scratch/codes.txt"
"$quillfen" --batch "$scratch/codes.txt" --service-url "http://127.0.0.1:$port" --quiet \
    >"$scratch/results.csv" || fail "the batch run failed: $(cat "$scratch/results.csv")"
grep -q '^4988112412613,.*,found,' "$scratch/results.csv" &&
    grep -q '^0823564706221,.*,not found,' "$scratch/results.csv" ||
    fail "unexpected batch results: $(cat "$scratch/results.csv")"
"$quillfen" --batch "$photo" --service-url "http://127.0.0.1:$port" --quiet \
    >"$scratch/photo.csv" 2>&1 || fail "the photo's batch run failed: $(cat "$scratch/photo.csv")"
grep -q '^4006381333931,' "$scratch/photo.csv" ||
    fail "the photo's code was not read: $(cat "$scratch/photo.csv")"

# The window, offscreen, with a code file named as the menu entry's %F names it. The trace of the
# files it opens shows the skin and the pointer found in the installed tree. Once the program
# catches SIGTERM it is past start-up; SIGTERM then closes it like its window, status 0. Until the
# traced child has become the program it still holds the tracer's own handlers, so the check waits
# for the exec. A loaded machine may take its time: two minutes before the start counts as failed.
QT_QPA_PLATFORM=offscreen setsid strace -f --seccomp-bpf -qq -e trace=openat \
    -e status=successful -o "$scratch/opened" "$quillfen" "$scratch/codes.txt" &
tracer=$!
# The program a user starts hands the window over to the window's program, in the same process.
installed=$(readlink -f "$root"/usr/libexec/quillfen/quillfen-window)
started=
for _ in $(seq 1200); do
    program=${program:-$(ps -o pid= --ppid "$tracer" | tr -d ' ')}
    if [ -n "$program" ] && [ "$(readlink "/proc/$program/exe")" = "$installed" ]; then
        caught=$(sed -n 's/^SigCgt:\t*//p' "/proc/$program/status")
        [ $((0x${caught:-0} >> 14 & 1)) -eq 1 ] && started=1 && break
    fi
    kill -0 "$tracer" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$started" ] || ! kill -TERM "$program" 2>/dev/null; then
    state=$(sed -n 's/^State:\t*//p' "/proc/${program:-none}/status" 2>/dev/null || true)
    fail "the window did not start (program ${program:-not found}, ${state:-not running}); the" \
        "last files it opened: $(tail -n 5 "$scratch/opened" 2>/dev/null)"
fi
for _ in $(seq 200); do
    kill -0 "$tracer" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$tracer" 2>/dev/null && fail "the window was still open 20 s after SIGTERM"
status=0
wait "$tracer" || status=$?
tracer= program=
[ "$status" -eq 0 ] || fail "the window exited with status $status on SIGTERM"
for opened in "$root/usr/share/quillfen/x/o.cjs" "$root/usr/share/quillfen/HAND-M.CUR" \
    "$root/usr/share/quillfen/sources/googlebooks.json" "$scratch/codes.txt"; do
    grep -qF "\"$opened\"" "$scratch/opened" || fail "the window did not open $opened"
done
grep -qF '4988112412613' "$XDG_CONFIG_HOME/Zandrik/Quillfen.conf" ||
    fail "the code file named on the command line did not reach the list"

# The manual: every page and picture the installed README links to lies beside it, and the
# manual page names every page, so that both lead a reader to what is there.
doc=$root/usr/share/doc/quillfen
[ -f "$doc/README.md" ] || fail "the README is not installed in /usr/share/doc/quillfen"
for linked in $(grep -oE '\]\(docs/[^)#]+' "$doc/README.md" | sed 's/^](//' | sort -u); do
    [ -f "$doc/$linked" ] || fail "the installed README links to $linked, which is not installed"
done
manual=$(zcat "$root/usr/share/man/man1/quillfen.1.gz" | sed 's/\\-/-/g')
for page in "$doc"/docs/*.md; do
    [ -f "$page" ] || fail "no page of the manual is installed in $doc/docs"
    printf '%s\n' "$manual" | grep -qF "$(basename "$page")" ||
        fail "the manual page does not name $(basename "$page")"
done
printf '%s\n' "$manual" | grep -qF /usr/share/doc/quillfen/README.md ||
    fail "the manual page does not point to the installed README"

# Removing: dpkg deletes the files the package lists, then the folders that are left empty. What
# the program did meanwhile must not have left anything in the tree.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||; s|/$||' | grep . | sort -r >"$scratch/listed"
while read -r entry; do
    if [ -d "$root/$entry" ] && [ ! -L "$root/$entry" ]; then
        rmdir "$root/$entry" 2>/dev/null || true
    else
        rm -f "$root/$entry"
    fi
done <"$scratch/listed"
rmdir "$root" 2>/dev/null || fail "left behind after removal: $(find "$root" -mindepth 1)"
echo "install test: installed, used and removed without a trace"
