#!/bin/sh
# Runs every measurement of `make bench` against one build directory and prints them
# beside the goals. Expects an X display (run under xvfb-run).
#
#   bench/run-bench.sh BUILD_DIR
set -eu

build=$(cd "${1:?usage: run-bench.sh BUILD_DIR}" && pwd)
probe="$build/bench/vornak_probe"
bare="$build/bench/bare_window"
game="$build/vornak"
counter="$build/bench/libvornak_swapcount.so"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export VORNAK_NO_ERROR_BOX=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The game appends to its run log, so it runs in copies of the generated directory. In the
# second every fighter but the last is the computer's, so phases step without waiting for
# anyone; the last stays the player's but never acts (speed 0) and is never attacked (the
# computer attacks only the first four), so the battle is never over.
cp -r "$build/game" "$work/player"
# In the third nobody acts at all (speed 0): phases step every 18 ms and nothing else
# happens, so the loop spends its time in the pacing test between them.
cp -r "$build/game" "$work/computer"
cp -r "$build/game" "$work/idle"
for file in "$work"/computer/NPCs/*.cfg; do
    sed -i 's/^team = .*/team = 2/' "$file"
done
for file in "$work"/idle/NPCs/*.cfg; do
    sed -i 's/^team = .*/team = 2/; s/^speed = .*/speed = 0/' "$file"
done
for side in computer idle; do
    sed -i 's/^team = .*/team = 1/; s/^speed = .*/speed = 0/' "$work/$side/NPCs/fighter8.cfg"
done
# In the fourth the player's four never act and have 3 hit points, and the computer's four
# stand beside them and strike every phase: the battle is lost within a second or two and
# then rests under its banner.
cp -r "$build/game" "$work/over"
for n in 1 2 3 4; do
    printf 'name = Squire\nteam = 1\nspeed = 0\nhealth = 1\nposx = 40\nposy = %d\n' \
        $((n * 48)) >"$work/over/NPCs/fighter$n.cfg"
    printf 'name = Brute\nteam = 2\nspeed = 12\nhealth = 5\nmeleeskill = 12\nposx = 56\nposy = %d\n' \
        $((n * 48)) >"$work/over/NPCs/fighter$((n + 4)).cfg"
done
# In the fifth the computer plans (difficulty hard) against the shipped player's four, who
# never act: its fighters walk, strike and shoot, and think again whenever a target falls.
cp -r "$build/game" "$work/hard"
printf 'difficulty = hard\n' >"$work/hard/options.cfg"
for n in 1 2 3 4; do
    sed -i 's/^speed = .*/speed = 0/' "$work/hard/NPCs/fighter$n.cfg"
done

# key=value lines of one probe run, as shell assignments with a prefix.
probe_run() {
    prefix=$1
    shift
    "$probe" "$@" | sed "s/^/${prefix}_/"
}

# Best of five: the machine is shared, and interference only ever adds time.
best() {
    printf '%s\n' "$@" | sort -g | head -n 1
}

bare_start=""
game_start=""
bare_peak=""
game_peak=""
for run in 1 2 3 4 5; do
    eval "$(probe_run bare --settle 1 -- "$bare")"
    eval "$(probe_run game --dir "$work/player" --settle 1 -- "$game")"
    bare_start="$bare_start $bare_startup_ms"
    game_start="$game_start $game_startup_ms"
    bare_peak="$bare_peak $bare_peak_kb"
    game_peak="$game_peak $game_peak_kb"
done
bare_start=$(best $bare_start)
game_start=$(best $game_start)
bare_peak=$(best $bare_peak)
game_peak=$(best $game_peak)

eval "$(probe_run wait --dir "$work/player" --settle 1 --cpu 4 --frames "$counter" -- "$game")"
eval "$(probe_run step --dir "$work/computer" --settle 1 --cpu 4 --frames "$counter" -- "$game")"
eval "$(probe_run idle --dir "$work/idle" --settle 1 --cpu 4 --frames "$counter" -- "$game")"
eval "$(probe_run over --dir "$work/over" --settle 6 --cpu 4 -- "$game")"
eval "$(probe_run hard --dir "$work/hard" --settle 1 --cpu 4 --frames "$counter" -- "$game")"

# vornak simulate on the shipped fighters, one job and two: wall and processor seconds of
# the whole process, best of three each.
simulate_run() {
    python3 -c '
import resource, subprocess, sys, time
start = time.monotonic()
before = resource.getrusage(resource.RUSAGE_CHILDREN)
subprocess.run(sys.argv[1:], check=True, stdout=subprocess.DEVNULL)
after = resource.getrusage(resource.RUSAGE_CHILDREN)
cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
print("%.4f %.4f" % (time.monotonic() - start, cpu))
' "$game" simulate "$work/player" --battles "$simulate_battles" --jobs "$1"
}
simulate_battles=20000
one_wall=""
one_cpu=""
two_wall=""
two_cpu=""
for run in 1 2 3; do
    set -- $(simulate_run 1)
    one_wall="$one_wall $1"
    one_cpu="$one_cpu $2"
    set -- $(simulate_run 2)
    two_wall="$two_wall $1"
    two_cpu="$two_cpu $2"
done
one_wall=$(best $one_wall)
one_cpu=$(best $one_cpu)
two_wall=$(best $two_wall)
two_cpu=$(best $two_cpu)

"$build/bench/vornak_bench" --benchmark_min_time=0.5 --benchmark_format=console \
    --benchmark_out="$work/bench.json" --benchmark_out_format=json

# One figure out of the JSON report: the field of the named benchmark.
figure() {
    python3 -c '
import json, sys
runs = json.load(open(sys.argv[1]))["benchmarks"]
for run in runs:
    if run["name"].startswith(sys.argv[2]):
        print(run[sys.argv[3]])
        break
' "$work/bench.json" "$1" "$2"
}

frame_us=$(figure BM_BattleFrameDrawn cpu_time)
full_us=$(figure BM_BattleFrameFull cpu_time)
swapped_us=$(figure BM_BattleFrameSwapped cpu_time)
actions=$(figure BM_RulesHeadless items_per_second)
loop_actions=$(figure BM_BattleLoopHeadless items_per_second)
tga=$(figure BM_TgaDecodeBackground bytes_per_second)
crossing_ms=$(figure BM_MarkerCrossing real_time)
plan_median=$(figure BM_PlannerDecision median_ms | xargs printf '%.2f')
plan_p99=$(figure BM_PlannerDecision p99_ms | xargs printf '%.2f')
plan_count=$(figure BM_PlannerDecision decisions | xargs printf '%.0f')
win_ms=$(figure BM_WinChanceUpdate cpu_time)
win_wall_ms=$(figure BM_WinChanceUpdate real_time)
replay_kb=$(figure BM_ReplayOf100Turns kB | xargs printf '%.1f')
verify_rate=$(figure BM_ReplayVerified/16 items_per_second | xargs printf '%.0f')
verify_turns=$(figure BM_ReplayVerified/16 turns | xargs printf '%.0f')
verify_long=$(figure BM_ReplayVerified/150 items_per_second | xargs printf '%.0f')
long_turns=$(figure BM_ReplayVerified/150 turns | xargs printf '%.0f')
save_kb=$(figure BM_SaveWrittenAndRead kB | xargs printf '%.1f')
save_us=$(figure BM_SaveWrittenAndRead cpu_time | xargs printf '%.0f')

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}
verdict() {
    awk -v value="$1" -v goal="$2" -v sense="$3" 'BEGIN {
        met = (sense == "max") ? value <= goal : value >= goal
        print met ? "met" : "NOT met"
    }'
}

start_ratio=$(ratio "$game_start" "$bare_start")
peak_ratio=$(ratio "$game_peak" "$bare_peak")
frame_ms=$(awk -v us="$frame_us" 'BEGIN { printf "%.3f", us / 1000 }')
full_ms=$(awk -v us="$full_us" 'BEGIN { printf "%.3f", us / 1000 }')
swapped_ms=$(awk -v us="$swapped_us" 'BEGIN { printf "%.3f", us / 1000 }')
actions_m=$(awk -v n="$actions" 'BEGIN { printf "%.2f", n / 1e6 }')
loop_m=$(awk -v n="$loop_actions" 'BEGIN { printf "%.2f", n / 1e6 }')
tga_mb=$(awk -v n="$tga" 'BEGIN { printf "%.0f", n / 1048576 }')
per_core=$(awk -v n="$simulate_battles" -v s="$one_wall" 'BEGIN { printf "%.0f", n / s }')
per_cpu=$(awk -v n="$simulate_battles" -v s="$one_cpu" 'BEGIN { printf "%.0f", n / s }')
scaling=$(ratio "$one_wall" "$two_wall")
# Two jobs doing the same work in the same processor time would run twice as fast on two
# free cores; on a busy machine the wall-clock ratio above cannot show it.
overhead=$(ratio "$two_cpu" "$one_cpu")
crossing_s=$(awk -v ms="$crossing_ms" 'BEGIN { printf "%.2f", ms / 1000 }')

echo
echo "Vornak performance (load average now: $(cut -d' ' -f1 /proc/loadavg))"
printf '  %-44s %s\n' \
    "start-up to first drawn frame (best of 5):" "game $game_start ms, bare window $bare_start ms, ratio $start_ratio (goal <= 1.5: $(verdict "$start_ratio" 1.5 max))" \
    "drawn battle frame, process CPU:" "$frame_ms ms (goal <= 2 ms: $(verdict "$frame_ms" 2 max)); shown by a swap $swapped_ms ms; drawn in full $full_ms ms" \
    "rules headless, fighter actions per second:" "${actions_m} M (goal >= 10 M: $(verdict "$actions_m" 10 min)); whole loop frames: ${loop_m} M" \
    "simulate, battles per second on one job:" "$per_core, $per_cpu per processor second (goal >= 5000: $(verdict "$per_core" 5000 min))" \
    "simulate, two jobs against one:" "$scaling x faster (goal >= 1.7 on two cores: $(verdict "$scaling" 1.7 min)); processor time $overhead x one job's" \
    "TGA decoding (background):" "$tga_mb MiB/s" \
    "peak resident memory (VmHWM, lowest of 5):" "game $game_peak kB, bare window $bare_peak kB, ratio $peak_ratio (goal <= 1.2: $(verdict "$peak_ratio" 1.2 max))" \
    "CPU, one core, player fighter waiting:" "$wait_cpu_percent %" \
    "frames shown per second, player waiting:" "$wait_frames_per_second" \
    "a marker crossing 200 pixels:" "$crossing_s s" \
    "CPU, one core, computer stepping phases:" "$step_cpu_percent %, $step_frames_per_second frames shown per second" \
    "  of it the frame loop / the win chance:" "$(awk -v a="$step_cpu_percent" -v b="$step_worker_cpu_percent" 'BEGIN { printf "%.1f", a - b }') % / $step_worker_cpu_percent % (while the player waits: $wait_worker_cpu_percent %)" \
    "win chance, one update (1000 battles):" "$(awk -v a="$win_ms" -v b="$win_wall_ms" 'BEGIN { printf "%.1f ms of processor time (%.1f ms wall)", a, b }') from the battle's start" \
    "planner decision, processor time:" "median $plan_median ms (goal <= 10: $(verdict "$plan_median" 10 max)), 99th percentile $plan_p99 ms (goal <= 40: $(verdict "$plan_p99" 40 max)), of $plan_count" \
    "CPU, one core, computer planning (hard):" "$hard_cpu_percent % (goal <= 40: $(verdict "$hard_cpu_percent" 40 max)), of it the threads $hard_worker_cpu_percent %; $hard_frames_per_second frames shown per second" \
    "CPU, one core, phases stepping, nobody acts:" "$idle_cpu_percent %, $idle_frames_per_second frames shown per second" \
    "CPU, one core, after the battle is over:" "$over_cpu_percent % (goal <= 5: $(verdict "$over_cpu_percent" 5 max))" \
    "replay of a 100-turn battle:" "$replay_kb kB (goal <= 256: $(verdict "$replay_kb" 256 max))" \
    "replay --verify, replays per second:" "$verify_rate of $verify_turns turns (goal >= 100: $(verdict "$verify_rate" 100 min)); $verify_long of $long_turns turns" \
    "save at turn 100, written and read back:" "$save_kb kB in $save_us us"

bench/generate-bench.sh "$game" "$build/game"
