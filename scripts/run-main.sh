#!/usr/bin/env bash
# The main job: installs what is missing, builds the default preset and lets the host program
# load the module and play its scenarios (docs/scenarios.md), printing the host traffic: loading
# and closing the module, creating a conference and inviting, joining one and inviting, an
# invitation accepted and its conference ended, a point-to-point whiteboard accepted, ended and
# closed before a create, the user's own point-to-point offers, booking, the member-right query;
# each scenario on a fresh user folder; the user's files (the prompt-sound switch keeping the
# saved defaults, a damaged conference list kept aside and the new one read by the next run);
# then conference defaults saved and found again by a second run on the same folder; then two
# module processes drawing together through the program's relay (a late
# joiner; widths, fonts and colours on every board; the shared-document board; a point-to-point
# board left through its save offer; every kind of object), both sides' pages compared and
# written into out/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset default
jobs=$(nproc 2>/dev/null || echo 4)
[ "$jobs" -gt 8 ] && jobs=8
cmake --build --preset default -j"$jobs"

# Plays each named scenario on a fresh user folder of its own.
play_fresh() {
  for name in "$@"; do
    echo "=== scenarios/$name.scn"
    folder=build/default/scenario-users/$name
    rm -rf "$folder"
    build/default/host/tavorine-host --module build/default/module/libtavorine.so --user-folder "$folder" \
      "scenarios/$name.scn"
  done
}

play_fresh first create create-invite join-invite invitation p2p-board book member-right
# The set-up flows a new user walks through.
play_fresh join-failed start-again password-hint p2p-withdrawn p2p-ringing assist-ended close-invitation \
  second-conference created-maximum invite-after-end conference-record book-notice book-chair records-list \
  book-timeout book-kept book-tree answered-in-call
# The user's own point-to-point offers, what stays of an ended board, and the create page opened
# with member numbers.
play_fresh p2p-offer p2p-offer-refused p2p-glare p2p-ended-boards create-numbers
# The user's files: the prompt-sound switch pressed before the start window opened keeps the
# saved defaults; a damaged saved-conference file is kept aside, not written over, and the next
# run on the same folder reads the new list.
play_fresh prompt-sound
folder=build/default/scenario-users/records
rm -rf "$folder"
for name in records-damaged records-again; do
  echo "=== scenarios/$name.scn"
  build/default/host/tavorine-host --module build/default/module/libtavorine.so --user-folder "$folder" \
    "scenarios/$name.scn"
done
# A conference's dialogs at its end and at close; the invite dialog's tree after an invitation.
play_fresh invite-tree dialogs-after-end close-invite-query
# Two runs on one user folder: the defaults the first saves are what the second finds.
folder=build/default/scenario-users/defaults
rm -rf "$folder"
for name in defaults-save defaults-again; do
  echo "=== scenarios/$name.scn"
  build/default/host/tavorine-host --module build/default/module/libtavorine.so --user-folder "$folder" \
    "scenarios/$name.scn"
done
# An editor left a line end after the saved defaults: the next run still finds them.
printf '\r\n' >> "$(ls "$folder"/*mmc_dfs.dat)"
echo "=== scenarios/defaults-again.scn (a line end added to the saved file)"
build/default/host/tavorine-host --module build/default/module/libtavorine.so --user-folder "$folder" \
  scenarios/defaults-again.scn

# Two modules on one whiteboard, both sides' boards compared at each check: a member joining
# after three pages (the relay answers its content request with the board's current page), the
# presenter turning pages while the other member draws, the control right moving the
# presenter's role to the other member and back, two members' edits of one object crossing
# in flight, and a drag interrupted by the other member's page turn and deletion.
for name in late-joiner presenter-pages presenter-right crossing-edits drag-interrupted; do
  echo "=== scenarios/$name.scn (sides A and B)"
  build/default/host/tavorine-host --module build/default/module/libtavorine.so "scenarios/$name.scn"
done

# Two modules using widths, fonts and the colour dialog on the conference and point-to-point
# boards, and drawing on the shared-document board (alone, and beside the whiteboard in one
# conference, each board its own sub-conference); the point-to-point board is left through its
# save offer. Each side on a user folder of its own; the last pages stay in out/.
play_fresh board-styles share-board p2p-styles two-boards-one-conference

# Two modules on one whiteboard: each side's current page, byte for byte the same picture.
mkdir -p out
echo "=== scenarios/whiteboard.scn (sides A and B, each a module process of its own)"
build/default/host/tavorine-host --module build/default/module/libtavorine.so scenarios/whiteboard.scn
if cmp -s out/whiteboard-side-a.png out/whiteboard-side-b.png; then
  echo "=== both sides show the same page: out/whiteboard-side-a.png, out/whiteboard-side-b.png"
else
  echo "=== the two sides' pages differ" >&2
  exit 1
fi

# Whiteboard scenarios whose pixel checks prove what each board draws; their pictures go to out/.
for name in picture-move text-box-reversed polygon-dropped pen-dot text-emptied \
    pen-click-polygon text-face-long p2p-pages two-boards-apart; do
  echo "=== scenarios/$name.scn"
  build/default/host/tavorine-host --module build/default/module/libtavorine.so "scenarios/$name.scn"
done

# Pictures of what the boards show: the picture-writing tests draw pages of every object kind,
# text and a board after a run of gestures into out/.
mkdir -p out
pictures='^(GdiTextDraw.WritesAPictureOfWrappedText|ShapePicture.PageOfEveryKind|PagePicture.APageReadFromXmlPaintsEveryKindOfObject|SurfaceCanvas.BoardOfManyGestures|StrokeText.DrawsWrappedInsideItsRectangleInItsColour)$'
TAV_PICTURES_DIR="$PWD/out" ctest --preset default -R "$pictures" >/dev/null
echo "=== pictures in out/: $(cd out && ls *.png | tr '\n' ' ')"
