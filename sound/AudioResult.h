#pragma once

// Result codes of the audio layer. Every operation that can fail returns one; the sound
// subsystem turns a failed start-up into an error carrying the code's sentence and
// ignores the codes of everything else.
enum AudioResult : int {
    AudioOk = 0,
    AudioStartFailed,  // the audio part of SDL would not start
    AudioDeviceFailed, // no output device could be opened
    AudioChannelsFailed,
    AudioNotStarted, // an operation on a system that is not running
    AudioNullHandle,
    AudioFileNotFound,
    AudioFormatUnknown, // the file exists but could not be decoded
    AudioFileDamaged,   // a part of the file claims more bytes than the file holds
    AudioNoFreeChannel,
    AudioPlayFailed,
    AudioResultCount
};

// Our sentence for a result code; "Unknown error." for a code outside the table.
const char* AudioResultText(int code);
