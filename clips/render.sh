#!/usr/bin/env bash
# Renders every clip of a recipe into a folder: speech with espeak-ng, cues with sox, every file
# mono, 16-bit, 22050 Hz WAV. A file of the same name in the custom folder (default: custom/ next to
# the recipe) is converted to that format and used instead of the rendered clip.
#
# Usage: render.sh RECIPE OUTPUT_DIR [CUSTOM_DIR]
# The programs can be named with the ESPEAK_NG and SOX environment variables.
#
# Nothing in OUTPUT_DIR changes unless every clip rendered; any failure ends with status 1.
set -euo pipefail

readonly VOICE=en-us
readonly SPEED=165
readonly RATE=22050
# Speech quieter than this, at the start or end of a clip, counts as silence and is cut.
readonly SILENCE=-50d

die() {
  echo "render.sh: $*" >&2
  exit 1
}

[[ $# -eq 2 || $# -eq 3 ]] || die "usage: render.sh RECIPE OUTPUT_DIR [CUSTOM_DIR]"
recipe=$1
outdir=$2
customdir=${3:-$(dirname -- "$recipe")/custom}
ESPEAK_NG=${ESPEAK_NG:-espeak-ng}
SOX=${SOX:-sox}

[[ -f $recipe ]] || die "no recipe at '$recipe'"
command -v -- "$ESPEAK_NG" >/dev/null || die "espeak-ng not found ('$ESPEAK_NG')"
command -v -- "$SOX" >/dev/null || die "sox not found ('$SOX')"

work=$(mktemp -d "${TMPDIR:-/tmp}/clips.XXXXXX")
trap 'rm -rf -- "$work"' EXIT
mkdir -- "$work/out"

# -R seeds the noise generators with a fixed number so every run gives the same bytes; -D leaves out
# dither, so silence stays exact zero.
sox_out() {
  "$SOX" -R -D "$@"
}
readonly FORMAT=(-r "$RATE" -c 1 -b 16 -e signed-integer -t wav)

# render_cue RECIPE DEST: sox effects on silence; segments split by " ; " are joined in order.
render_cue() {
  local recipe=$1 dest=$2 dir segs seg fx i=0
  dir=$(mktemp -d "$work/cue.XXXXXX") || return 1
  local files=()
  IFS=$'\x1f' read -r -a segs <<<"${recipe// ; /$'\x1f'}"
  for seg in "${segs[@]}"; do
    read -r -a fx <<<"$seg"
    ((${#fx[@]} > 0)) || { echo "empty cue segment" >&2; return 1; }
    files+=("$dir/seg$i.wav")
    sox_out -n "${FORMAT[@]}" "$dir/seg$i.wav" "${fx[@]}" || return 1
    i=$((i + 1))
  done
  sox_out "${files[@]}" "${FORMAT[@]}" "$dest" || return 1
}

# render_speech TEXT DEST [BED [DELAY]]: the spoken text without leading or trailing silence,
# optionally entering DELAY seconds into a cue mixed under it.
render_speech() {
  local text=$1 dest=$2 bed=${3:-} delay=${4:-0} dir
  dir=$(mktemp -d "$work/speech.XXXXXX") || return 1
  printf '%s\n' "$text" | "$ESPEAK_NG" -v "$VOICE" -s "$SPEED" -w "$dir/raw.wav" --stdin ||
    return 1
  [[ -s $dir/raw.wav ]] || { echo "espeak-ng wrote nothing" >&2; return 1; }
  local trimmed=$dest
  [[ -z $bed ]] || trimmed=$dir/speech.wav
  sox_out "$dir/raw.wav" "$dir/cut.wav" \
    silence 1 0.005 "$SILENCE" reverse silence 1 0.005 "$SILENCE" reverse || return 1
  # The cut lands on a quiet but not silent sample: a few milliseconds of fade keep it from clicking.
  sox_out "$dir/cut.wav" "${FORMAT[@]}" "$trimmed" fade t 0.002 -0 0.005 gain -n -3 || return 1
  [[ -n $bed ]] || return 0
  render_cue "$bed" "$dir/bed.wav" || return 1
  sox_out "$trimmed" "$dir/late.wav" pad "$delay" || return 1
  sox_out -m "$dir/bed.wav" "$dir/late.wav" "${FORMAT[@]}" "$dest" gain -n -3 || return 1
}

# render_custom SOURCE DEST: a recording of one's own, in the clip format.
render_custom() {
  sox_out "$1" "${FORMAT[@]}" "$2"
}

# render_one NAME KIND RECIPE BED DELAY
render_one() {
  local name=$1 kind=$2 recipe=$3 bed=$4 delay=$5 dest=$work/out/$1
  if [[ -f $customdir/$name ]]; then
    render_custom "$customdir/$name" "$dest" || return 1
    custom_count=$((custom_count + 1))
  else
    case $kind in
      speech) render_speech "$recipe" "$dest" "$bed" "$delay" || return 1 ;;
      cue)
        [[ -z $bed ]] || { echo "a cue takes no bed" >&2; return 1; }
        render_cue "$recipe" "$dest" || return 1
        ;;
      *) echo "unknown kind '$kind'" >&2; return 1 ;;
    esac
  fi
  # A clip without a single sample would play as nothing at all.
  local samples
  samples=$("$SOX" --i -s "$dest") || return 1
  ((samples > 0)) || { echo "no samples rendered" >&2; return 1; }
}

declare -A seen=()
names=()
failed=()
custom_count=0
line_no=0
while IFS=$'\t' read -r name kind recipe_text bed delay extra || [[ -n ${name:-} ]]; do
  line_no=$((line_no + 1))
  name=${name%$'\r'}
  [[ -z $name || $name == \#* ]] && continue
  delay=${delay%$'\r'}
  bed=${bed%$'\r'}
  recipe_text=${recipe_text%$'\r'}
  where="$recipe:$line_no: '$name'"
  if [[ -z ${kind:-} || -z ${recipe_text:-} || -n ${extra:-} ]]; then
    echo "$where: expected name, kind, text or recipe, and at most a bed and a delay" >&2
    failed+=("$name")
    continue
  fi
  if [[ $name != *.wav || $name == */* || $name == .* ]]; then
    echo "$where: a clip name is a plain file name ending in .wav" >&2
    failed+=("$name")
    continue
  fi
  if [[ -n ${seen[$name]:-} ]]; then
    echo "$where: listed twice" >&2
    failed+=("$name")
    continue
  fi
  seen[$name]=1
  if render_one "$name" "$kind" "$recipe_text" "${bed:-}" "${delay:-0}"; then
    names+=("$name")
  else
    echo "$where: could not be rendered" >&2
    failed+=("$name")
  fi
done <"$recipe"

if ((${#failed[@]} > 0)); then
  die "${#failed[@]} clip(s) failed: $(printf "'%s' " "${failed[@]}")"
fi
((${#names[@]} > 0)) || die "the recipe '$recipe' names no clips"

mkdir -p -- "$outdir"
for name in "${names[@]}"; do
  mv -f -- "$work/out/$name" "$outdir/$name"
done
echo "render.sh: ${#names[@]} clips in $outdir (${custom_count} from $customdir)"
