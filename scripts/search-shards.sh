# What search-parallel.sh and search-slurm.sh share: read by both with `.`,
# never run. Each sets `script` (its name, for messages) and `usage` first.

fail() {
  echo "$script: $*" >&2
  exit 1
}

# One word for sh, quoted, so that names with blanks or quotes survive the
# command line a scheduler runs: a'b becomes 'a'\''b'.
quote() {
  printf "'%s'" "$(printf '%s' "$1" | sed "s/'/'\\\\''/g")"
}

absolute() {
  case $1 in
    /*) printf '%s' "$1" ;;
    *) printf '%s/%s' "$PWD" "$1" ;;
  esac
}

# DATA RESULT [SEARCH OPTIONS...]: sets data, result (absolute), shards, tool
# and search_options (quoted for sh), or prints the usage.
read_arguments() {
  case ${1:-} in
    -h | --help)
      printf '%s\n' "$usage"
      exit 0
      ;;
  esac
  [ $# -ge 2 ] || {
    printf '%s\n' "$usage" >&2
    exit 2
  }
  [ -f "$1" ] || fail "no data file $1"
  data=$(absolute "$1")
  result=$(absolute "$2")
  [ -d "$(dirname "$result")" ] || fail "no folder $(dirname "$result") for $2"
  shift 2
  search_options=""
  for option in "$@"; do
    search_options="$search_options $(quote "$option")"
  done

  shards=${SHARDS:-64}
  case $shards in
    '' | *[!0-9]* | 0*) fail "SHARDS must be a whole number from 1, not '$shards'" ;;
  esac

  # The tool by an absolute path, which every machine must have: a shell
  # that a scheduler or ssh starts does not read the PATH a login sets up.
  tool=${REGROVANTIS_CLI:-$(command -v regrovantis-cli || true)}
  [ -n "$tool" ] || fail "regrovantis-cli is not on this PATH: set REGROVANTIS_CLI to its absolute path"
  case $tool in
    /*) ;;
    *) fail "REGROVANTIS_CLI must be an absolute path, not '$tool'" ;;
  esac
  "$tool" --version > /dev/null 2>&1 || fail "$tool does not run here"
}
