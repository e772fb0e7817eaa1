#pragma once

// The Qt application the QPainter surfaces need (fonts, images), made once
// for a test program and closed after its last test. Include it in one
// source of the program.

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace tarvik::testing {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "tarvik_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QGuiApplication> app_;
};

inline const auto* const QtTestEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace tarvik::testing
