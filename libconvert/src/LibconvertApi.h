#pragma once

// The engine's three exports, all with the C calling convention. A host
// loads libconvert.dll by name and looks these up with GetProcAddress.
extern "C" {
// Reports the running conversion's position in percent, with the user
// pointer given at registration. Called on the thread that called
// synth_trans, never after synth_trans has returned.
typedef void(__cdecl* ProgressCallback)(float percent, void* user);

// Converts the file that an ffmpeg-style argument vector names: argv[0] is a
// program name and is ignored, the entry after the first "-i" is the input,
// the last entry the output; strings are in the thread's ANSI code page.
// rotation is 0, 90, 180 or 270 degrees clockwise. Returns 0 on success;
// README.md lists the other results.
int __cdecl synth_trans(int argc, char** argv, int rotation);

// Ends the running conversion; harmless when none runs. Returns 0.
int __cdecl stop_transcoding(void);

// Registers the progress callback (null for none) and its user pointer.
// Returns 0.
int __cdecl setposition_callback(ProgressCallback callback, void* user);
}

typedef int(__cdecl* SynthTransFunction)(int argc, char** argv, int rotation);
typedef int(__cdecl* StopTranscodingFunction)(void);
typedef int(__cdecl* SetPositionCallbackFunction)(ProgressCallback callback, void* user);
