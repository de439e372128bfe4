// WAV files the Wine tests make: one channel of 16-bit samples, silent for
// its first half and a full square wave for its second, so that a drawn
// waveform is told apart at a glance.
#pragma once
#include <cstdint>
#include <string>

std::string HalfSilentWaveBytes(uint32_t sampleRate, uint32_t frames);
