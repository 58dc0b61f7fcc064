// Common ground for engine tests: a fresh game state, display and random source per test.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "engine/game_state.h"
#include "tests/fakes/recording_display.h"
#include "tests/fakes/scripted_random_source.h"

void resetGameState();

// Replaces the dictionary with `words`, stored as given.
void useDictionary(std::initializer_list<const char*> words);

// Sets the board from 16 letters in reading order (row 0 left to right, then row 1, ...).
void useBoard(const char* readingOrder);

// The solution list as one string of words joined by spaces.
std::string solutionsText();

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        resetGameState();
        resetRecordingDisplay();
        resetScriptedRandomSource();
    }
};

// Writes `bytes` to a file named `name` in this test run's own temporary folder; returns its path.
std::string writeTestFile(const std::string& name, const std::string& bytes);

// The whole content of a file, or "<missing>" when it cannot be opened.
std::string readTestFile(const std::string& path);

// This test run's own temporary folder, created on first use.
std::string testFolder();
