// lettro-solve's BOARD argument: 16 letters in reading order, either case.
#pragma once

// Sets tileLetters and board from `text` when it is exactly 16 letters A-Z or a-z, uppercased,
// so that every tile is one of A to Z, as the solver assumes; otherwise returns false and
// leaves both as they were.
bool setBoardFromArgument(const char* text);
