#!/usr/bin/env bash
# The Windows game under wine, as a player hears it. Each clip listened for
# is a tone of its own pitch: the intro, the menu's opening and its number,
# the start of maze 1, a wall, a step at column 11 panned by the pan law
# (the right channel 7.8 dB below the left), back to the menu, the quit
# entry, and Enter on it ends the game with status 0. Then the start-up
# without a sound device.
source "$(dirname "$0")/wine.sh"
wine_setup
folder=$(wine_program_folder)
audio="$E2E_TMP/audio.raw"
e2e_tone "$folder/mazeIntro.wav" 1.5 300
e2e_tone "$folder/chooseMaze.wav" 0.8 500
e2e_tone "$folder/1.wav" 0.5 700
e2e_tone "$folder/go.wav" 0.5 900
e2e_tone "$folder/wall.wav" 0.4 1100
e2e_tone "$folder/step.wav" 0.4 1400
e2e_tone "$folder/quit.wav" 0.5 400
cp "$E2E_FIXTURES/corridor.maz" "$folder/1.maz"

wine_start "$folder" tarnwick "$audio"
e2e_until 20 xdotool search --name '^Tarnwick$' || e2e_fail "no Tarnwick window"
shown=$(e2e_audio_seconds "$audio")
wine_focus Tarnwick
# Wine takes seconds to open the sound device too: the intro is the first
# sound within three seconds of the window.
# Each pitch is taken well into its clip: on a busy machine wine's stream
# may stall, and the clip before end late.
onset=$(wine_onset "$audio" "$(awk -v s="$shown" 'BEGIN { print (s > 0.3 ? s - 0.3 : 0) }')" 3)
e2e_heard "$audio" "$(awk -v o="$onset" 'BEGIN { print o - 0.05 }')" 300 "the intro"
e2e_heard "$audio" "$(awk -v a="$E2E_AT" 'BEGIN { print a + 1.55 }')" 500 "the menu's opening clip" 0.3
e2e_heard "$audio" "$(awk -v a="$E2E_AT" 'BEGIN { print a + 0.85 }')" 700 "the menu's number 1" 0.15
sleep 0.5
e2e_key_heard "$audio" Return 900 "the start of maze 1" 0.1
sleep 0.6
e2e_key_heard "$audio" Up 1100 "a wall above the start" 0.1
sleep 0.5
e2e_key_heard "$audio" Right 1400 "a step to column 11" 0.05
sleep 0.5
# Pan -780: the right channel at 10^(-7.8/20) = 0.407 of the left.
ratio=$(wine_right_over_left "$audio" "$(awk -v a="$E2E_AT" 'BEGIN { print a + 0.03 }')" 0.2)
e2e_log "the step's right/left ratio: $ratio (expected 0.407)"
awk -v r="$ratio" 'BEGIN { exit !(r > 0.37 && r < 0.45) }' || e2e_fail "the step is not panned by the pan law"
e2e_key_heard "$audio" Escape 500 "the menu again" 0.3
sleep 1.5
e2e_key_heard "$audio" End 400 "the quit entry" 0.1
e2e_keys Return
e2e_wait_status "$E2E_PID" 10
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "tarnwick ended with status $E2E_STATUS on the quit entry"

# Without wine's sound drivers DirectSound cannot be opened: the message
# box titled with the program's name says what to install, and OK ends the
# game with status 1.
WINEDLLOVERRIDES="winepulse.drv,winealsa.drv,wineoss.drv=d" wine_start "$folder" tarnwick "$audio"
wine_wait_dialog "Static: Please install directX8 or later"
wine_dialog_shows "dialog: Tarnwick" || e2e_fail "the message is not titled Tarnwick"
wine_focus Tarnwick
e2e_keys Return
e2e_wait_status "$E2E_PID" 10
[ "$E2E_STATUS" -eq 1 ] || e2e_fail "tarnwick ended with status $E2E_STATUS without sound"
echo PASS
