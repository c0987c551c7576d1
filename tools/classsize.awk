# Prints each class whose declaration and member definitions together pass `limit` lines.
# A class is `class TName` up to its closing `};`; a member definition runs from a line that
# names `TName::` at the left margin to the next `}` there.
/^(class|struct) T[A-Za-z0-9_]+[^;]*$/ && !inClass && !inBody {
  match($0, /T[A-Za-z0-9_]+/)
  cls = substr($0, RSTART, RLENGTH)
  inClass = 1
  start = FNR
  next
}
inClass && /^};/ {
  lines[cls] += FNR - start + 1
  inClass = 0
  next
}
!inClass && !inBody && /^[^ #\/].*T[A-Za-z0-9_]+::~?[A-Za-z0-9_]+\(/ {
  match($0, /T[A-Za-z0-9_]+::/)
  owner = substr($0, RSTART, RLENGTH - 2)
  start = FNR
  if ($0 !~ /^}/ && $0 !~ /;$/) {
    inBody = 1
  }
}
inBody && /^}/ {
  lines[owner] += FNR - start + 1
  inBody = 0
}
END {
  for (c in lines) {
    if (lines[c] > limit) {
      printf "%s: %d lines across its files; split it (%d at most)\n", c, lines[c], limit
    }
  }
}
