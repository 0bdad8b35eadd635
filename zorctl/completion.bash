# bash completion for zorctl                                -*- shell-script -*-
# Installed as share/bash-completion/completions/zorctl. Plain bash only, so
# it also works sourced by hand where the bash-completion package is missing.

# Runs the zorctl being completed with these arguments: nothing when it
# cannot be run or does not answer within 2 s.
_zorctl_run() {
  local program=${COMP_WORDS[0]}
  [[ $program == "~/"* ]] && program=$HOME/${program#"~/"}
  timeout 2 "$program" "$@" </dev/null 2>/dev/null
}

# The words that zorctl offers (zorctl --complete WHAT [NAME], one a line),
# so the settings are always its own.
_zorctl_offers() { _zorctl_run --complete "$@"; }

_zorctl() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local prev=${COMP_WORDS[COMP_CWORD - 1]}
  # --option=VALUE arrives as three words: --option, '=' and VALUE.
  if [[ $cur == "=" ]]; then
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    cur=""
  elif [[ $prev == "=" ]]; then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  fi

  case $prev in
    --password-file)
      compopt -o default 2>/dev/null
      COMPREPLY=()
      return
      ;;
    --output)
      compopt -o default 2>/dev/null
      COMPREPLY=()
      return
      ;;
    --since | --width | --height | --top | --left | --nominal | --tolerance)  # a date or a number: nothing to offer
      COMPREPLY=()
      return
      ;;
    --system)  # the serial numbers zorctl list finds, within 2 s (one discovery)
      local IFS=$'\n'
      COMPREPLY=($(compgen -W "$(_zorctl_run list --quiet | tail -n +2 | cut -d' ' -f1)" -- "$cur"))
      return
      ;;
  esac

  # The command and the values typed so far, options and their values aside.
  local command="" i word
  local -a values=()
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    case $word in
      --password-file | --since | --system | --output | --width | --height | --top | --left | --nominal | --tolerance)
        [[ ${COMP_WORDS[i + 1]} == "=" ]] && ((i++))
        ((i++))
        continue
        ;;
      -[0-9]* | -) ;;  # a negative number or "-" is a value
      -*) continue ;;
    esac
    if [[ -z $command ]]; then command=$word; else values+=("$word"); fi
  done

  local -a commands=(list info get set move mark shutter aiming test-power init-power-board show-version adjust
                     calibrate backup diff restore log report help)
  local -a words=()
  if [[ $cur == -* ]]; then
    words=(--json --dry-run --quiet --password-file --system --help --version)
    case $command in
      adjust) words+=(--cancel) ;;
      set) words+=(--typed) ;;
      diff) words+=(--identity) ;;
      restore) words+=(--identity --other-system --yes) ;;
      log) words+=(--since) ;;
      report) words+=(--output --since) ;;
      calibrate) words+=(--width --height --top --left --nominal --tolerance --no-set --mark) ;;
    esac
  elif [[ -z $command ]]; then
    words=("${commands[@]}")
  else
    local n=${#values[@]}
    case $command:$n in
      get:0) mapfile -t words < <(_zorctl_offers get) ;;
      set:0) mapfile -t words < <(_zorctl_offers set) ;;
      set:1) mapfile -t words < <(_zorctl_offers set-values "${values[0]}") ;;
      mark:0) words=(original-square corrected-square max-field) ;;
      shutter:0) words=(open close) ;;
      aiming:0) words=(on off) ;;
      test-power:0) words=(on off) ;;
      adjust:0) words=(center distortion aiming) ;;
      backup:0 | diff:0 | restore:0)
        compopt -o default 2>/dev/null
        COMPREPLY=()
        return
        ;;
      help:0) words=("${commands[@]}") ;;
    esac
  fi
  COMPREPLY=()
  ((${#words[@]})) || return 0
  local IFS=$'\n'
  COMPREPLY=($(compgen -W "${words[*]}" -- "$cur"))
}

complete -F _zorctl zorctl
