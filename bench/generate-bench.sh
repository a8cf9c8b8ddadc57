#!/bin/sh
# `vornak generate` for each difficulty and several seeds: processor seconds of the whole
# process (goal <= 1 on one core), the same bytes when made twice, team 1's win rate by
# `vornak simulate` over 10,000 battles (goal: within 5 points of 70, 50 and 30 %), and
# what `vornak check` finds in the folder (goal: nothing). Also the shipped battles' rates.
#
#   bench/generate-bench.sh VORNAK GAME_DIR
set -eu
game=${1:?usage: generate-bench.sh VORNAK GAME_DIR}
shipped=${2:?usage: generate-bench.sh VORNAK GAME_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpu_of() {
    python3 -c '
import resource, subprocess, sys
subprocess.run(sys.argv[1:], check=True, stdout=subprocess.DEVNULL)
usage = resource.getrusage(resource.RUSAGE_CHILDREN)
print("%.2f" % (usage.ru_utime + usage.ru_stime))
' "$@"
}
rate_of() {
    "$game" simulate "$1" --battles 10000 --jobs 2 | awk '/^Team 1 /{ print $4 " % (" $6 " - " $8 " %)" }'
}

echo
echo "vornak generate (seconds of processor time; team 1's rate over 10,000 battles)"
printf '  %-8s %4s %8s %10s %-24s %s\n' difficulty seed cpu "same" "team 1 (95 % interval)" check
for difficulty in easy normal hard; do
    for seed in 1 2 3 4; do
        cpu=$(cpu_of "$game" generate "$work/a" --seed "$seed" --difficulty "$difficulty")
        "$game" generate "$work/b" --seed "$seed" --difficulty "$difficulty" >/dev/null
        same=$(diff -r -x runlog.txt "$work/a" "$work/b" >/dev/null && echo yes || echo NO)
        check=$("$game" check "$work/a" | tail -n 1)
        printf '  %-8s %4s %8s %10s %-24s %s\n' "$difficulty" "$seed" "$cpu" "$same" \
            "$(rate_of "$work/a")" "$check"
    done
done
echo
echo "shipped battles, team 1's rate over 10,000 battles"
for folder in "$shipped"/battles/*/; do
    printf '  %-12s %s\n' "$(basename "$folder")" "$(rate_of "$folder")"
done
