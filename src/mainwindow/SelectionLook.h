#pragma once

class QAbstractItemView;

// A list whose lines carry their own colours (red, silver) keeps them when
// selected: the selection is a light band that the coloured text stays
// readable on, and it stays visible while the list has no focus.
void KeepLineColoursInSelection(QAbstractItemView* view);
