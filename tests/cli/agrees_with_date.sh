#!/usr/bin/env bash
# Checks stampwright-cli's stamps against GNU date's reading of the same files' times, in
# zones with daylight saving on each hemisphere, a half-hour zone and UTC, for random times
# (1971 to 2100) and random shifts. Usage: agrees_with_date.sh PATH-TO-stampwright-cli
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
RANDOM=2008
checked=0
for zone in UTC Europe/Berlin America/New_York Australia/Sydney Australia/Adelaide Asia/Kolkata; do
    rm -f "$work"/*
    for i in $(seq 1 40); do
        mtime=$(( (RANDOM * 32768 + RANDOM) * 3 + 31536000 ))
        touch -d "@$mtime" "$work/IMG_$i.JPG"
    done
    hours=$((RANDOM % 25)) minutes=$((RANDOM % 60)) seconds=$((RANDOM % 60))
    sign=$([ $((RANDOM % 2)) -eq 0 ] && echo + || echo -)
    offset=$(( hours * 3600 + minutes * 60 + seconds ))
    [ "$sign" = - ] && offset=$((-offset))
    report=$(ls -d "$work"/*.JPG | TZ=$zone "$cli" --shift "$sign$hours:$minutes:$seconds" --initials Q)
    for file in "$work"/*.JPG; do
        name=${file##*/}
        serial=${name#IMG_}
        serial=${serial%.JPG}
        stamp=$(TZ=$zone date -d "@$(( $(stat -c %Y "$file") + offset ))" +%Y%m%d_%H%M%S)
        expected="ren \"$name\" \"${stamp}_Q_$serial.JPG\""
        if ! grep -qF "$expected" <<<"${report//$'\r'/}"; then
            echo "FAIL in $zone for $name shifted by $offset s: expected $expected" >&2
            exit 1
        fi
        checked=$((checked + 1))
    done
done
echo "$checked stamps agree with date"
