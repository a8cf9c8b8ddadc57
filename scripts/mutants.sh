#!/usr/bin/env bash
# The mutation check: do the fast tests notice a real mistake? Each entry of
# scripts/mutants.txt is one single-point fault. For each, in a scratch copy of the source
# (build-mutants/), the fault is applied, the unit and gl tiers are rebuilt incrementally
# and run, and the file is restored. A fault is "caught" when some test fails and
# "ESCAPED" when all pass. An entry whose text is not found exactly once in its file, or
# whose fault does not compile, is an error of the list: it must be fixed, not skipped.
#
#   scripts/mutants.sh [PATH...]    all faults, or those in files under the PATHs given
#                                   (a file or a folder: rules/ or graphics/Font.cpp)
#   scripts/mutants.sh --validate   only check that every entry applies (no build)
#
# Exits non-zero when any fault escaped or any entry could not be applied.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
# MUTANTS_SCRATCH puts the scratch copy elsewhere, for two runs side by side.
scratch=${MUTANTS_SCRATCH:-$root/build-mutants}
list="$root/scripts/mutants.txt"
jobs=${JOBS:-2}

validate_only=0
only=()
for arg in "$@"; do
    case $arg in
    --validate) validate_only=1 ;;
    *) only+=("${arg#./}") ;;
    esac
done
# A run works from a copy of the list: entries are applied by their place in it, so an
# edit to the list during a long run would put one fault's text into another's file.
if [ "$validate_only" -eq 0 ]; then
    mkdir -p "$scratch"
    cp "$list" "$scratch/mutants.txt"
    list="$scratch/mutants.txt"
fi

# Reads the list (in perl, a part of every Debian system) and writes each selected entry
# as three NUL-terminated fields (path, FROM, TO) to the file named by $2, after checking
# that it applies to the source under $1. With a third argument, an entry's index, writes
# that file with that fault applied to it instead. "<nl>" in FROM matches a line break and
# the indentation after it; in TO it is a line break.
entries() {
    perl -e '
        my ($list, $source, $out, $apply, @only) = @ARGV;
        open(my $in, "<", $list) or die "no $list\n";
        my $o;
        if ($apply eq "") { open($o, ">", $out) or die }
        my ($index, $bad) = (0, 0);
        while (my $line = <$in>) {
            chomp $line;
            next if $line =~ /^\s*(#|$)/;
            my ($path, $from, $to) = $line =~ /^(\S+): (.*?) =>(?: (.*))?$/;
            if (!defined $path) { print "BAD LINE     $line\n"; $bad++; next }
            next if @only && !grep { index($path, $_) == 0 } @only;
            $to //= "";
            s/^\s+|\s+$//g for $from, $to;
            my $pattern = join("\\n[ \\t]*", map { quotemeta } split(/<nl>/, $from, -1));
            my $text = "";
            if (open(my $f, "<", "$source/$path")) { local $/; $text = <$f> }
            my $count = () = $text =~ /$pattern/g;
            if ($count != 1) {
                print "NOT APPLIED  $path: $from => $to  (found $count times)\n";
                $bad++;
                exit 4 if $apply ne "" && $apply == $index;
                $index++;
                next;
            }
            if ($apply eq "") {
                print $o "$path\0$from\0$to\0";
            } elsif ($apply == $index) {
                (my $replacement = $to) =~ s/<nl>/\n/g;
                $text =~ s/$pattern/$replacement/;
                open($o, ">", $out) or die;
                print $o $text;
                close($o);
                exit 0;
            }
            $index++;
        }
        exit($bad ? 3 : 0);
    ' "$list" "$@"
}

# Every selected entry must apply to the source as it is now.
records=$(mktemp)
trap 'rm -f "$records"' EXIT
status=0
entries "$root" "$records" "" "${only[@]}" || status=$?
paths=()
froms=()
tos=()
while IFS= read -r -d '' path && IFS= read -r -d '' from && IFS= read -r -d '' to; do
    paths+=("$path")
    froms+=("$from")
    tos+=("$to")
done <"$records"
describe() {
    echo "${paths[$1]}: ${froms[$1]} => ${tos[$1]}"
}
if [ "$status" -ne 0 ]; then
    echo "the list does not match the source; fix the entries above"
    exit 1
fi
if [ "$validate_only" -eq 1 ]; then
    echo "${#paths[@]} faults, each applies once"
    exit 0
fi
[ ${#paths[@]} -gt 0 ] || { echo "no fault under ${only[*]}"; exit 1; }

# The fast tiers need a display; one Xvfb serves the whole run.
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi
export SDL_AUDIODRIVER=dummy

# The scratch copy: files copied only when they differ, so the build stays incremental.
# Each copy gets a new time, so the build never keeps an object made from a fault's text.
mkdir -p "$scratch/src"
cd "$root"
git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
    [ -f "$file" ] || continue
    if ! cmp -s "$file" "$scratch/src/$file"; then
        mkdir -p "$scratch/src/$(dirname "$file")"
        cp "$file" "$scratch/src/$file"
    fi
done
(cd "$scratch/src" && find . -type f -printf '%P\n') | while IFS= read -r file; do
    [ -e "$root/$file" ] || rm -f "$scratch/src/$file"
done

# The quickest rebuild: unoptimised, no debug information, the game as a shared library
# that the tests need not be relinked against, and Ninja where it is installed. The tests'
# verdicts do not depend on any of these.
log="$scratch/build.log"
generator="Unix Makefiles"
command -v ninja >/dev/null && generator=Ninja
if ! grep -qs "CMAKE_GENERATOR:INTERNAL=$generator\$" "$scratch/build/CMakeCache.txt"; then
    rm -rf "$scratch/build"
fi
build() {
    cmake --build "$scratch/build" -j"$jobs" --target tier_unit tier_gl >"$log" 2>&1
}
# The unit and gl tiers as CTest lists them, but each suite run once with all of its
# tests in one filter: a hundred processes fewer per fault. A suite's command may start
# with the script that gives it an X server of its own. A suite takes seconds; one
# still running after a minute (a fault that stalls the battles) has failed, and is
# killed: SDL turns a plain termination signal into a quit event that a stalled test
# never reads. The gl suites, the slowest, run only when every unit suite has passed:
# one failure is enough.
suites="$scratch/suites"
run_suites() {
    (cd "$scratch/build/tests" &&
        xargs -P "$jobs" -L 1 timeout -k 5 60 <"$suites.$1" >>"$scratch/test.log" 2>&1)
}
fast_tests() {
    : >"$scratch/test.log"
    run_suites unit && run_suites gl
}
# timeout gives each suite a process group of its own, out of reach of a Ctrl-C or a kill
# of this script's group: a stopped run must not leave a stalled suite spinning. (Its X
# server's script then stops the server itself.)
trap 'rm -f "$records"; pkill -KILL -f "^$scratch/build/tests/" || true' EXIT
trap 'exit 130' INT TERM HUP
echo "== building the scratch copy in $scratch"
cmake -S "$scratch/src" -B "$scratch/build" -G "$generator" -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DCMAKE_C_FLAGS_DEBUG=-O0 -DBUILD_SHARED_LIBS=ON \
    -DCMAKE_LINK_DEPENDS_NO_SHARED=ON >"$log" 2>&1 || { cat "$log"; exit 1; }
build || { tail -n 40 "$log"; exit 1; }
# The few gl tests, each long, run one a process, so that two can run side by side.
for tier in unit gl; do
    (cd "$scratch/build" && ctest -N -V -L "^$tier\$") | TIER=$tier perl -ne '
        if (/Test command: (.*?) "--gtest_filter=([^"]*)"/) {
            if ($ENV{TIER} eq "gl") { print "$1 --gtest_brief=1 --gtest_filter=$2\n"; next }
            $filters{$1} .= ($filters{$1} ? ":" : "") . $2;
        } elsif (/Test command: (.*)/) {
            print STDERR "not run for each fault: $1\n"; # say so, never drop a suite silently
        }
        END { print "$_ --gtest_brief=1 --gtest_filter=$filters{$_}\n" for sort keys %filters }' >"$suites.$tier"
done
fast_tests || { echo "the fast tests fail without any fault:"; tail -n 40 "$scratch/test.log"; exit 1; }

caught=0
escaped=0
errors=0
for i in "${!paths[@]}"; do
    file="$scratch/src/${paths[$i]}"
    start=$SECONDS
    cp -p "$file" "$scratch/original"
    if ! entries "$scratch/src" "$file" "$i" "${only[@]}" >/dev/null; then
        verdict="NOT APPLIED"
        errors=$((errors + 1))
    elif ! build; then
        verdict="NO BUILD"
        errors=$((errors + 1))
        grep -m 3 -E 'error' "$log" | sed 's/^/    /'
    elif fast_tests; then
        verdict="ESCAPED"
        escaped=$((escaped + 1))
    else
        verdict="caught"
        caught=$((caught + 1))
    fi
    cp "$scratch/original" "$file"
    printf '%-9s %s  (%ds)\n' "$verdict" "$(describe "$i")" $((SECONDS - start))
done
echo "${#paths[@]} faults: $caught caught, $escaped escaped, $errors could not be applied"
[ "$escaped" -eq 0 ] && [ "$errors" -eq 0 ]
