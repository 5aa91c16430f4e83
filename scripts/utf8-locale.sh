# Sourced by the other scripts: the build and test tools (CPack, Python,
# Mono) read the skeleton's Chinese file names only under a UTF-8 locale.
# A caller without one (a minimal container's empty environment) gets
# C.UTF-8, which every Debian system has; a UTF-8 locale is kept as it is.
if [[ $(locale charmap 2>/dev/null) != UTF-8 ]]; then
  export LC_ALL=C.UTF-8
fi
