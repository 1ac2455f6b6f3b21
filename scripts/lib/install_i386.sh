# shellcheck shell=bash disable=SC2016 # apt's $(FIELD) formats are literal
# Installs i386 packages beside the machine's own (amd64) ones, for the shell that sources it:
#   install_i386 PACKAGE:i386...   installs them and says on stderr which way it took, or fails
#                                  with i386_failure saying why no way worked
#   i386_clean_up                  removes the apt configuration that the pinned ways made
# The caller sets sudo_cmd (empty as root). apt never removes a package here: every install is
# simulated first and runs with --no-remove.
#
# A library that both architectures install (Multi-Arch: same) must be at one version in both.
# On a normal day the configured indexes give that, and the first way is a plain install. A
# mirror in the middle of a sync can fail one suite's i386 index (bookworm-security's, say):
# then the installed amd64 libraries have no i386 twin at their version, apt finds no way, and
# naming the twins at other versions makes it remove their amd64 users (Qt, sway, PulseAudio,
# Chromium, ImageMagick, wine64). The second way reads that index under its suite's other name
# (oldstable-security), for i386 only, and pins every such library, in both architectures, to
# the amd64 version installed where an i386 index has it, or else to the newest version above
# it that indexes hold for both (the amd64 one is then upgraded). Where the amd64 one is newer
# than every i386 build (a fresh machine gets the newest), the third way moves it back to the
# newest version that both have.

i386_apt_wait=(-o DPkg::Lock::Timeout=600) # other sessions' installs finish first
i386_overlay=""                            # the pinned ways' apt configuration, made once
i386_overlay_note=""                       # what it reads beyond the configured indexes
i386_failure=""                            # why the last install_i386 failed

# i386_simulate LOG APT-OPTION... -- PACKAGE...: succeeds when apt would install the packages
# without removing one; its plan or its complaint is left in LOG.
i386_simulate() {
  local log=$1 options=()
  shift
  while [ "$1" != -- ]; do options+=("$1") && shift; done
  shift
  apt-get -s install --no-remove --no-install-recommends "${options[@]}" "$@" >"$log" 2>&1 &&
    ! grep -q '^Remv ' "$log"
}

i386_install_for_real() { # APT-OPTION... -- PACKAGE...
  local options=()
  while [ "$1" != -- ]; do options+=("$1") && shift; done
  shift
  # shellcheck disable=SC2154 # the caller's
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-remove \
    --no-install-recommends "${i386_apt_wait[@]}" "${options[@]}" "$@"
}

# i386_complaint LOG: apt's first reason for refusing, on one line.
i386_complaint() {
  local line
  line=$(grep -m1 -A1 'have unmet dependencies:' "$1" | tail -n1 | tr -s ' ' | sed 's/^ //')
  [ -n "$line" ] || line=$(grep -m1 '^E: ' "$1" || true)
  echo "${line:-apt gave no reason}"
}

# Copies the machine's sources and pins into a folder of our own, adds an i386-only entry under
# the other name of each suite whose i386 index did not download, and downloads those.
i386_make_overlay() {
  local sources_dir preferences_dir file arch uri release component index names name other
  local aliases log
  i386_overlay=$(mktemp -d)
  aliases=$i386_overlay/sources.list.d/zundabar-i386-aliases.sources
  log=$i386_overlay/update.log
  mkdir "$i386_overlay/sources.list.d" "$i386_overlay/preferences.d"
  eval "$(apt-config shell sources_dir Dir::Etc::sourceparts/d \
    preferences_dir Dir::Etc::preferencesparts/d)"
  for file in "$sources_dir"*.list "$sources_dir"*.sources; do
    [ ! -f "$file" ] || cp "$file" "$i386_overlay/sources.list.d/"
  done
  for file in "$preferences_dir"*; do
    [ ! -f "$file" ] || cp "$file" "$i386_overlay/preferences.d/"
  done
  while read -r arch uri release component index; do
    [ "$arch" = i386 ] || continue
    ! compgen -G "$index*" >/dev/null || continue
    # The suite's release file did download, and names the suite both ways.
    names=$(apt-get indextargets --format '$(SUITE) $(CODENAME)' "Repo-URI: $uri" \
      "Release: $release" | sed -n 1p)
    other=""
    for name in $names; do [ "$name" = "$release" ] || other=$name; done
    [ -n "$other" ] || continue
    printf 'Types: deb\nURIs: %s\nSuites: %s\nComponents: %s\nArchitectures: i386\n\n' \
      "$uri" "$other" "$component" >>"$aliases"
    i386_overlay_note+="${i386_overlay_note:+; }$release's i386 index failed to download"
    i386_overlay_note+=" and was read as $other"
  done < <(apt-get indextargets --no-release-info \
    --format '$(ARCHITECTURE) $(REPO_URI) $(RELEASE) $(COMPONENT) $(FILENAME)' \
    'Identifier: Packages')
  [ -f "$aliases" ] || return 0
  "${sudo_cmd[@]}" apt-get update -qq "${i386_apt_wait[@]}" \
    -o Dir::Etc::sourceparts="$i386_overlay/sources.list.d" >"$log" 2>&1 || true
  while read -r other; do
    ! grep -q "^E: .*/dists/$other/" "$log" ||
      i386_overlay_note+=", which failed too: $(grep -m1 "^E: .*/dists/$other/" "$log" | cut -c1-200)"
  done < <(sed -n 's/^Suites: //p' "$aliases")
}

# i386_write_twin_pins upgrading|downgrading: writes the pins that keep each Multi-Arch: same
# library installed for amd64 at one version in both architectures: the installed one where an
# i386 index has it, or else the newest above it that indexes hold for both; downgrading, the
# newest below it where none is above.
i386_write_twin_pins() {
  local way=$1 pins=$i386_overlay/preferences.d/zundabar-i386-twins.pref
  local options=(-o Dir::Etc::sourceparts="$i386_overlay/sources.list.d")
  local native installed available name version candidates candidate target below
  native=$(dpkg --print-architecture)
  installed=$i386_overlay/installed available=$i386_overlay/available
  dpkg-query -W -f='${Package} ${Architecture} ${Version} ${Multi-Arch} ${db:Status-Abbrev}\n' |
    awk -v arch="$native" '$2 == arch && $4 == "same" && $5 ~ /^ii/ { print $1, $3 }' >"$installed"
  # Every version that an index holds, as "name arch version".
  # shellcheck disable=SC2046 # one word a package
  apt-cache "${options[@]}" madison $(awk -v a="$native" '{ print $1 ":" a, $1 ":i386" }' \
    "$installed") 2>/dev/null |
    awk -F'|' '{ gsub(/ /, "", $1); gsub(/ /, "", $2); sub(/:.*/, "", $1)
                 n = split($3, f, " "); print $1, f[n - 1], $2 }' | sort -u >"$available"
  # Each installed library, followed by "=" where an i386 index has its version, or else by
  # every version that indexes hold for both architectures.
  awk -v native="$native" '
    NR == FNR {
      if ($2 == "i386") twin[$1, $3] = 1
      else if ($2 == native) own[$1, $3] = 1
      versions[$1] = versions[$1] " " $3
      next
    }
    ($1, $2) in twin { print $1, $2, "="; next }
    {
      line = $1 " " $2
      n = split(versions[$1], version, " ")
      for (i = 1; i <= n; i++)
        if (($1, version[i]) in twin && ($1, version[i]) in own && !shared[$1, version[i]]++)
          line = line " " version[i]
      print line
    }' "$available" "$installed" |
    while read -r name version candidates; do
      target="" below=""
      if [ "$candidates" = "=" ]; then
        target=$version
      else
        for candidate in $candidates; do
          if dpkg --compare-versions "$candidate" gt "$version"; then
            if [ -z "$target" ] || dpkg --compare-versions "$candidate" gt "$target"; then
              target=$candidate
            fi
          elif [ -z "$below" ] || dpkg --compare-versions "$candidate" gt "$below"; then
            below=$candidate
          fi
        done
      fi
      [ "$way" = downgrading ] && [ -z "$target" ] && target=$below
      [ -n "$target" ] || continue # no twin to pin: left to apt
      printf 'Package: %s:%s %s:i386\nPin: version %s\nPin-Priority: 1001\n\n' \
        "$name" "$native" "$name" "$target"
    done >"$pins"
}

# i386_changes LOG: what the plan in LOG does to the machine's own packages.
i386_changes() {
  local old new upgraded=0 downgraded=0
  while read -r old new; do
    if dpkg --compare-versions "$new" gt "$old"; then
      upgraded=$((upgraded + 1))
    else
      downgraded=$((downgraded + 1))
    fi
  done < <(grep -v '^Inst [^ ]*:i386 ' "$1" | sed -nE 's/^Inst [^ ]+ \[([^]]+)\] \(([^ ]+) .*/\1 \2/p')
  echo -n "$upgraded packages upgraded"
  ((downgraded == 0)) || echo -n " and $downgraded downgraded"
  echo " to a version both architectures have, none removed"
}

install_i386() {
  local log way how reason reasons="" options=() allow=()
  log=$(mktemp)
  # Moving amd64 libraries back would undo their security updates: only when asked for.
  local ways=(plain upgrading)
  [ "${ZUNDABAR_I386_ALLOW_DOWNGRADE:-0}" != 1 ] || ways+=(downgrading)
  for way in "${ways[@]}"; do
    case $way in
      plain) how="the plain way, from the configured indexes" ;;
      upgrading) how="with each i386 library pinned to its amd64 twin's version" ;;
      downgrading)
        how="with each i386 library pinned to its amd64 twin's version, the twin moved back"
        how+=" where no newer version has an i386 build"
        allow=(--allow-downgrades)
        ;;
    esac
    if [ "$way" != plain ]; then
      [ -n "$i386_overlay" ] || i386_make_overlay
      i386_write_twin_pins "$way" # afresh: an earlier install may have changed amd64 libraries
      options=(-o Dir::Etc::sourceparts="$i386_overlay/sources.list.d"
        -o Dir::Etc::preferencesparts="$i386_overlay/preferences.d")
    fi
    if ! i386_simulate "$log" "${options[@]}" -- "$@"; then
      reason=$(i386_complaint "$log")
    elif i386_install_for_real "${options[@]}" "${allow[@]}" -- "$@"; then
      [ "$way" = plain ] || how+=" (${i386_overlay_note:+$i386_overlay_note; }$(i386_changes "$log"))"
      echo "install_deps: $* installed $how" >&2
      rm -f "$log"
      return 0
    else
      reason="the install itself failed"
    fi
    reasons+="${reasons:+; }$how, $reason"
  done
  rm -f "$log"
  [ "${ZUNDABAR_I386_ALLOW_DOWNGRADE:-0}" = 1 ] ||
    reasons+="; ZUNDABAR_I386_ALLOW_DOWNGRADE=1 would also try moving amd64 libraries back"
  # shellcheck disable=SC2034 # the caller's to read
  i386_failure="${i386_overlay_note:+$i386_overlay_note; }$reasons"
  return 1
}

i386_clean_up() {
  [ -z "$i386_overlay" ] || rm -rf "$i386_overlay"
  i386_overlay=""
}
