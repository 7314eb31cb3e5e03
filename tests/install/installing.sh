# Helpers for the tests of the install step, sourced by them: installing from a build folder,
# and reading a desktop entry by the desktop entry rules.

readonly APP_ID="example.corvantelle.VezorAdarizuDudiruvo"
readonly APP_NAME="CV Vezor Adarizu Dudiruvo"
readonly APP_WM_CLASS="VezorAdarizuDudiruvo"

# Installs build folder $2 with cmake $1 under prefix $3 (DESTDIR from the environment), with
# its output in file $4. cmake --install writes the list of what it installed into the build
# folder, where it would replace the list of a person's own install: that list is put back.
install_build() {
    local cmake=$1 build=$2 prefix=$3 log=$4 manifest="$2/install_manifest.txt" kept="" status=0
    if [ -e "$manifest" ]; then
        kept=$(mktemp)
        cp -p "$manifest" "$kept"
    fi
    "$cmake" --install "$build" --prefix "$prefix" >"$log" 2>&1 || status=$?
    if [ -n "$kept" ]; then
        mv "$kept" "$manifest"
    else
        rm -f "$manifest"
    fi
    return "$status"
}

# The value of key $2 in the [Desktop Entry] group of file $1, as written (escapes and all).
entry_value() {
    awk -v key="$2" '
        /^\[/ { group = $0; next }
        group == "[Desktop Entry]" && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$1"
}

# A string value with its escapes undone: \s \n \t \r \\.
unescape_value() {
    local v=$1 out="" c i=0
    while ((i < ${#v})); do
        c=${v:i:1}
        if [ "$c" = '\' ]; then
            i=$((i + 1))
            c=${v:i:1}
            case $c in
                s) c=' ' ;;
                n) c=$'\n' ;;
                t) c=$'\t' ;;
                r) c=$'\r' ;;
            esac
        fi
        out+=$c
        i=$((i + 1))
    done
    printf '%s' "$out"
}

# The program that an Exec value $1 of one argument starts: the value unescaped, then the
# argument unquoted (\" \` \$ \\ inside the quotes), then %% made %. Fails on a value of more
# than one argument or with a field code.
exec_program() {
    local v out="" c i=1
    v=$(unescape_value "$1")
    if [ "${v:0:1}" = '"' ]; then
        [ "${v: -1}" = '"' ] && [ ${#v} -ge 2 ] || return 1
        while ((i < ${#v} - 1)); do
            c=${v:i:1}
            if [ "$c" = '\' ]; then
                i=$((i + 1))
                c=${v:i:1}
            elif [ "$c" = '"' ]; then
                return 1
            fi
            out+=$c
            i=$((i + 1))
        done
    else
        [[ $v != *[[:space:]\"\'\\\>\<~\|\&\;\$\*\?\#\(\)\`]* ]] || return 1
        out=$v
    fi
    [[ ${out//%%/} != *%* ]] || return 1
    printf '%s' "${out//%%/%}"
}
