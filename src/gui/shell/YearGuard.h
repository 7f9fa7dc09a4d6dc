#pragma once

class QWidget;

// The past-year rule for the windows: data of a year other than the
// calendar year is read-only. Every window operation that would add, change
// or delete data of the open year asks here first.
//
// Returns true when the open year is a past (or future) year; the refusal
// "You can change only the current year data!!!" has then been shown and
// the caller changes nothing.
bool ShowCurYearErrorIfPast(QWidget *parent);
