# bash completion for zor-simulator                         -*- shell-script -*-
# Installed as share/bash-completion/completions/zor-simulator. Plain bash
# only, so it also works sourced by hand where bash-completion is missing.

_zor_simulator() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local prev=${COMP_WORDS[COMP_CWORD - 1]}
  # --option=VALUE arrives as three words: --option, '=' and VALUE.
  if [[ $cur == "=" ]]; then
    cur=""
  elif [[ $prev == "=" ]]; then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  fi

  case $prev in
    --socket | --packet-log | --field-log)
      compopt -o default 2>/dev/null
      COMPREPLY=()
      return
      ;;
    --systems | --lens-error | --refuse | --delay)  # a number: nothing to offer
      COMPREPLY=()
      return
      ;;
  esac

  local options="--headless --systems --socket --packet-log --field-log --lens-error --refuse --no-status
                 --no-discovery --delay --help --version"
  # An option given already is not offered again.
  local -a left=()
  local option word given
  for option in $options; do
    given=no
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
      [[ $word == "$option" ]] && given=yes
    done
    [[ $given == no ]] && left+=("$option")
  done
  local IFS=$'\n'
  COMPREPLY=($(compgen -W "${left[*]}" -- "$cur"))
}

complete -F _zor_simulator zor-simulator
