#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Two real Syncthing instances on loopback share one folder, as two computers would.
#   syncthing_test.sh BIN_DIR files   plain files go both ways, with no conflict copy
#   syncthing_test.sh BIN_DIR lists   a list joined on one computer, made from the folder on
#                                     the other, studied apart on both: both end with the same
#                                     progress, every judgement counted once
# Nothing reaches the network beyond 127.0.0.1: discovery, relays, NAT traversal, usage and
# crash reports and upgrade checks are off. Exits 77 (skipped) without syncthing.
set -euo pipefail
bin=$(cd "${1:?usage: syncthing_test.sh BIN_DIR files|lists}" && pwd)
mode=${2:?usage: syncthing_test.sh BIN_DIR files|lists}
if ! command -v syncthing >/dev/null || ! command -v curl >/dev/null; then
    echo "syncthing or curl is not installed: skipped"
    exit 77
fi

# How long Syncthing may take to connect and to deliver, each time.
readonly kDeliverySeconds=60
work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

fail() {
    echo "FAILED: $*" >&2
    local side
    for side in a b; do
        if [ -f "$work/$side/st/log.txt" ]; then
            echo "--- syncthing $side, last lines of its log:" >&2
            tail -n 15 "$work/$side/st/log.txt" >&2
        fi
    done
    exit 1
}

# Sets `port` to one nothing listens on (a connection to it is refused) and no other
# instance was given.
used_ports=" "
port=
free_port() {
    for _ in $(seq 200); do
        port=$((20000 + RANDOM % 40000))
        case $used_ports in *" $port "*) continue ;; esac
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            used_ports+="$port "
            return
        fi
    done
    fail "no free port on 127.0.0.1"
}

# Per side: its Syncthing home, GUI port, listen port, API key, device id, shared folder.
declare -A gui listen key id
make_instance() {
    local side=$1
    mkdir -p "$work/$side/home" "$work/$side/shared/.stfolder"
    syncthing generate --home="$work/$side/st" --no-default-folder --skip-port-probing \
        >"$work/$side/generate.txt" 2>&1 || fail "syncthing generate for $side"
    id[$side]=$(sed -n 's/.*<device id="\([A-Z0-9-]*\)".*/\1/p' "$work/$side/st/config.xml" |
        head -n 1)
    [ -n "${id[$side]}" ] || fail "no device id in $work/$side/st/config.xml"
    free_port
    gui[$side]=$port
    free_port
    listen[$side]=$port
    key[$side]="quibbix-test-$side-$RANDOM$RANDOM"
}

# The whole configuration, written before the first start so that it never touches the
# network: the peer at its loopback address only.
write_config() {
    local side=$1 peer=$2
    cat >"$work/$side/st/config.xml" <<EOF
<configuration version="36">
    <folder id="quibbix-test" label="quibbix-test" path="$work/$side/shared" type="sendreceive"
            rescanIntervalS="5" fsWatcherEnabled="true" fsWatcherDelayS="1">
        <device id="${id[$side]}"></device>
        <device id="${id[$peer]}"></device>
    </folder>
    <device id="${id[$side]}" name="$side"><address>dynamic</address></device>
    <device id="${id[$peer]}" name="$peer">
        <address>tcp://127.0.0.1:${listen[$peer]}</address>
    </device>
    <gui enabled="true" tls="false">
        <address>127.0.0.1:${gui[$side]}</address>
        <apikey>${key[$side]}</apikey>
    </gui>
    <options>
        <listenAddress>tcp://127.0.0.1:${listen[$side]}</listenAddress>
        <globalAnnounceEnabled>false</globalAnnounceEnabled>
        <localAnnounceEnabled>false</localAnnounceEnabled>
        <relaysEnabled>false</relaysEnabled>
        <natEnabled>false</natEnabled>
        <urAccepted>-1</urAccepted>
        <crashReportingEnabled>false</crashReportingEnabled>
        <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
        <startBrowser>false</startBrowser>
        <reconnectionIntervalS>1</reconnectionIntervalS>
        <stunServer></stunServer>
    </options>
</configuration>
EOF
}

# rest SIDE PATH [CURL OPTIONS]
rest() {
    local side=$1 path=$2
    shift 2
    curl -fsS --max-time 5 -H "X-API-Key: ${key[$side]}" "$@" \
        "http://127.0.0.1:${gui[$side]}$path"
}

start_instance() {
    local side=$1
    HOME="$work/$side/home" STNOUPGRADE=1 STNODEFAULTFOLDER=1 \
        syncthing serve --home="$work/$side/st" --no-browser --no-restart --no-upgrade \
        --logfile="$work/$side/st/log.txt" >/dev/null 2>&1 &
    pids+=($!)
}

# Polls `$@` every 200 ms for up to `seconds`.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

connected() {
    rest a /rest/system/connections 2>/dev/null | tr -d ' \n' |
        grep -q "\"${id[b]}\":{[^}]*\"connected\":true"
}

# Both shared folders hold the same files, Syncthing's own ones aside.
in_step() {
    diff -r -q --exclude=.stfolder --exclude='.syncthing.*' --exclude=.stversions \
        "$work/a/shared" "$work/b/shared" >/dev/null 2>&1
}

wait_delivered() {
    wait_for "$kDeliverySeconds" in_step || {
        diff -r -q --exclude=.stfolder --exclude='.syncthing.*' --exclude=.stversions \
            "$work/a/shared" "$work/b/shared" >&2 || true
        fail "syncthing did not deliver $1 within $kDeliverySeconds s (differing files above)"
    }
}

no_conflict_copies() {
    local copies
    copies=$(find "$work/a/shared" "$work/b/shared" -name '*.sync-conflict-*')
    [ -z "$copies" ] || fail "syncthing made conflict copies: $copies"
}

start_pair() {
    make_instance a
    make_instance b
    write_config a b
    write_config b a
    # One after the other: b dials a at once, where two dialing each other at the same
    # moment may both back off for 20 s.
    local side
    for side in a b; do
        start_instance "$side"
        wait_for 30 rest "$side" /rest/system/ping >/dev/null 2>&1 ||
            fail "syncthing $side does not answer on 127.0.0.1:${gui[$side]}"
    done
    wait_for "$kDeliverySeconds" connected ||
        fail "the two syncthing instances did not connect within $kDeliverySeconds s"
}

test_files() {
    printf 'one\n' >"$work/a/shared/first.txt"
    mkdir -p "$work/a/shared/sub"
    printf 'two\n' >"$work/a/shared/sub/second.txt"
    wait_delivered "files made on a"
    printf 'three\n' >"$work/b/shared/third.txt"
    printf 'one more\n' >>"$work/a/shared/first.txt"
    wait_delivered "files made and changed on both"
    [ "$(cat "$work/b/shared/first.txt")" = $'one\none more' ] ||
        fail "b holds a wrong first.txt: $(cat "$work/b/shared/first.txt")"
    no_conflict_copies
}

# One computer: its own home and data folder.
on() {
    local side=$1
    shift
    HOME="$work/$side/home" XDG_DATA_HOME="$work/$side/data" \
        XDG_CONFIG_HOME="$work/$side/config" XDG_CACHE_HOME="$work/$side/cache" "$@"
}

list_folder() {
    on "$1" "$bin/quibbix-wordlist" lists | awk -F'\t' '$1 == "Greek" { print $2 }'
}

# Studies on one side with the driver: `presses` answers after the start, then a save. Prints
# how many judgements were recorded.
study() {
    local side=$1 presses=$2 folder commands answers i
    folder=$(list_folder "$side")
    [ -d "$folder" ] || fail "no list Greek on $side"
    commands=$'init\npress yes\n'
    answers=(yes no unsure yes yes no)
    for ((i = 0; i < presses; i++)); do commands+="press ${answers[i % 6]}"$'\n'; done
    commands+=$'save\n'
    (cd "$folder" && on "$side" "$bin/quibbix-drive" <<<"$commands") >"$work/$side/drive.txt" ||
        fail "quibbix-drive failed on $side: $(cat "$work/$side/drive.txt")"
    awk -F'\t' '$1 == "press" && $2 != "-"' "$work/$side/drive.txt" | wc -l
}

sync_list() {
    local side=$1
    shift
    on "$side" "$bin/quibbix-wordlist" sync --list Greek "$@" >"$work/$side/sync.txt" 2>&1 ||
        fail "quibbix-wordlist sync --list Greek $* on $side: $(cat "$work/$side/sync.txt")"
}

# The last sync on `side` told that `count` answers arrived from the other computer.
arrived() {
    grep -q -E "^$2 answers? arrived from another computer\$" "$work/$1/sync.txt" ||
        fail "a sync on $1 told \"$(cat "$work/$1/sync.txt")\", not that $2 answers arrived"
}

judgements_in_history() {
    awk -F'\t' 'NR > 1 { sum += $3 } END { print sum + 0 }' "$1/session/History.txt"
}

readonly kListFiles="tobeviewed.txt unsure.txt mistaken.txt new.txt learning.txt known.txt"

# The word index in a session's current-word record (a little-endian 32-bit field at 12).
word_on_screen() {
    od -An -t u4 -j 12 -N 4 "$1/session/currWord.cfg" | tr -d ' '
}

# A list file's entries but that of the word given.
entries_without() {
    awk -F'\t' -v word="$2" 'NR > 1 && $1 != word' "$1"
}

# Each computer's progress is the replay of every journal, less the word it shows, which
# stays out of its list while on screen: `replayed`, a list folder made from the sync folder
# with no word on screen, holds the replay itself.
progress_is_the_replay() {
    local folder=$1 replayed=$2 word file
    word=$(word_on_screen "$folder")
    for file in $kListFiles; do
        cmp -s <(entries_without "$folder/session/$file" "$word") \
            <(entries_without "$replayed/session/$file" "$word") ||
            fail "$folder/session/$file is not the replay, word $word on screen aside"
    done
    for file in WordsLearned.txt History.txt; do
        cmp "$folder/session/$file" "$replayed/session/$file" ||
            fail "$folder/session/$file is not the replay"
    done
}

pause_both() {
    rest a "/rest/system/$1?device=${id[b]}" -X POST >/dev/null || fail "syncthing a: $1"
    rest b "/rest/system/$1?device=${id[a]}" -X POST >/dev/null || fail "syncthing b: $1"
}

test_lists() {
    local tsv="$work/greek.tsv" i
    for i in $(seq 30); do printf 'word%02d\tdefinition %d\n' "$i" "$i"; done >"$tsv"
    on a "$bin/quibbix-wordlist" add "$tsv" --name Greek >"$work/a/add.txt" 2>&1 ||
        fail "quibbix-wordlist add on a: $(cat "$work/a/add.txt")"
    mkdir "$work/a/shared/quibbix-Greek"
    sync_list a "$work/a/shared/quibbix-Greek"
    wait_delivered "the joined list"
    # b has never seen the list: it is made there from the folder.
    sync_list b "$work/b/shared/quibbix-Greek"

    # Studied apart, each computer out of the other's reach, then both journals travel.
    local judgedA judgedB
    pause_both pause
    judgedA=$(study a 14)
    judgedB=$(study b 9)
    pause_both resume
    ! grep -q '^sync' "$work/b/drive.txt" ||
        fail "b studied with a's answers, not apart: $(cat "$work/b/drive.txt")"
    wait_delivered "both computers' journals"
    sync_list a
    arrived a "$judgedB"
    sync_list b
    arrived b "$judgedA"
    wait_delivered "the journals after syncing"
    no_conflict_copies

    local folderA folderB folder expected counted
    folderA=$(list_folder a)
    folderB=$(list_folder b)
    expected=$((judgedA + judgedB))
    [ "$expected" -gt 0 ] || fail "the driver recorded no judgement"
    # A third computer joins a copy of the folder, as from a USB stick, with no word on screen.
    cp -r "$work/a/shared/quibbix-Greek" "$work/stick"
    on c "$bin/quibbix-wordlist" sync --list Greek "$work/stick" >"$work/c.txt" 2>&1 ||
        fail "quibbix-wordlist sync --list Greek on a third computer: $(cat "$work/c.txt")"
    for folder in "$folderA" "$folderB"; do
        progress_is_the_replay "$folder" "$(list_folder c)"
        counted=$(judgements_in_history "$folder")
        [ "$counted" = "$expected" ] ||
            fail "$folder/session/History.txt counts $counted judgements, not $judgedA + $judgedB"
    done
}

start_pair
case $mode in
files) test_files ;;
lists) test_lists ;;
*) fail "unknown mode $mode" ;;
esac
echo "passed in $SECONDS s"
