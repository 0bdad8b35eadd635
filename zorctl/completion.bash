# bash completion for zorctl                                -*- shell-script -*-
# Installed as share/bash-completion/completions/zorctl. Plain bash only, so
# it also works sourced by hand where the bash-completion package is missing.

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
    --since)  # a date: nothing to offer
      COMPREPLY=()
      return
      ;;
    --system)  # the serial numbers zorctl list finds, within 2 s (one discovery)
      COMPREPLY=()
      type timeout &>/dev/null || return
      local IFS=$'\n'
      COMPREPLY=($(compgen -W "$(timeout 2 "${COMP_WORDS[0]}" list --quiet 2>/dev/null | tail -n +2 |
        cut -d' ' -f1)" -- "$cur"))
      return
      ;;
  esac

  # The command and the values typed so far, options and their values aside.
  local command="" i word
  local -a values=()
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    case $word in
      --password-file | --since | --system)
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
                     backup diff restore log help)
  local -a words=()
  if [[ $cur == -* ]]; then
    words=(--json --dry-run --quiet --password-file --system --help --version)
    case $command in
      adjust) words+=(--cancel) ;;
      diff) words+=(--identity) ;;
      restore) words+=(--identity --other-system --yes) ;;
      log) words+=(--since) ;;
    esac
  elif [[ -z $command ]]; then
    words=("${commands[@]}")
  else
    local n=${#values[@]}
    case $command:$n in
      get:0)
        words=(currents distortion scale controller-model work-time mac ip subnet gateway ship-id all) ;;
      set:0)
        words=(min-current 20-current max-current lens serial model-name controller-model distortion
               scale x-multiplier y-multiplier work-time mac ip subnet gateway) ;;
      set:1)
        [[ ${values[0]} == controller-model ]] && words=(100021 100022 200031 200041) ;;
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
