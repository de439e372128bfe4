// The names under which the text viewer's DDE server answers, and which its
// command-line client connects to.
#pragma once

constexpr char kDdeService[] = "Tarvo";
constexpr char kDdeTopic[] = "System";
