# The release of the top entry of the changelog, for the package checks (sourced):
#   release_of CHANGELOG
# sets release (2.0.0.10, the Debian version and the installer's), release_numbers ("2, 0, 0, 10",
# the numeric version record as windres prints it) and release_shown (2.00.0010, as the programs
# show it: the minor part in two digits, the fourth in four).
release_of() {
  release=$(sed -n '1s/^quarnel (\([0-9]*\.[0-9]*\.[0-9]*\.[0-9]*\)) .*/\1/p' "$1")
  [ -n "$release" ] || { echo "FAIL: no release MAJOR.MINOR.PATCH.TWEAK at the top of $1" >&2; return 1; }
  local major minor patch tweak
  IFS=. read -r major minor patch tweak <<<"$release"
  release_numbers="$((10#$major)), $((10#$minor)), $((10#$patch)), $((10#$tweak))"
  release_shown=$(printf '%d.%02d.%04d' "$((10#$major))" "$((10#$minor))" "$((10#$tweak))")
}
