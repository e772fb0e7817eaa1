#pragma once

// The application object the QPainter surfaces need (fonts, images), made
// once for a test program that includes this header in one of its files.

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

inline const ::testing::Environment* const RegisteredQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace tarvik::testing
