#pragma once
// Times of day as text (HH:MM:SS, the seconds with an optional fraction),
// seconds after midnight, elapsed times, 12- to 24-hour conversion and the
// time formats. Seconds are single precision, and their text has at most
// seven significant digits: 5 is "05", 5.25 is "05.25", half a second "00.5".
// Seconds too large for single precision are infinite (a seconds text of 39
// digits, say): every routine that would write such seconds gives the empty
// text instead.

#include <string>
#include <string_view>

namespace tarvana {

// Reads a time text by position: the hours from characters 1-2, the minutes
// from characters 4-5 (each rounded, held to 16 bits), the seconds with their
// fraction from character 7 on.
void SplitTime(std::string_view time, int& hours, int& minutes, float& seconds);
// hours * 3600 + minutes * 60 + seconds of a time text; nothing is range-checked.
float SecondsAfterMidnight(std::string_view time);
// ZeroPad2(hours) + ":" + ZeroPad2(minutes) + ":" + the seconds text.
std::string MakeTime(int hours, int minutes, float seconds);
// The time text of a count of seconds: 3725.5 gives "01:02:05.5". The hours
// show their last two digits, so 100 hours and more wrap ("00:00:00" for
// 360000); minutes and seconds are exact for any count.
std::string SecondsToTime(float seconds);
// The time between two time texts of the same day, whichever comes first; no
// wrap at midnight (23:00:00 to 01:00:00 is 22:00:00).
std::string ElapsedTime(std::string_view first, std::string_view second);
// The time between two moments given as date text and time text, the hours
// unpadded and unlimited ("72:00:00", or all 27 digits of a span of 4e29
// seconds). Summed in double precision, so long spans keep every second;
// swapping the moments gives the same result.
std::string ElapsedDateTime(std::string_view firstDate, std::string_view firstTime,
                            std::string_view secondDate, std::string_view secondTime);
// A 12-hour time text ("2:30p", "12:05:10a", or without suffix for a.m.) as
// 24-hour time text ("14:30:00", "00:05:10"); the empty text when there is no ":".
std::string TimeTo24Hour(std::string_view time);
// A time text as hours ":" minutes, followed for format 1 by ":" and the
// seconds with fraction, for format 2 by ":" and the whole seconds, for any
// other format by nothing. Unless is24Hour, hours run 12, 1 .. 11 and "a" or
// "p" is appended; with noPad the hours have no leading zero.
std::string FormatTime(std::string_view time, int format, int is24Hour, int noPad);

}  // namespace tarvana
