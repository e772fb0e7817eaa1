#pragma once

// A scratch data database for the editors: zones and places chosen so that
// each zone has neighbours in the places index on both sides, opened for
// writing with its own cursors, and a reporter that keeps the messages and
// answers the questions from a script.

#include "RefdataFixture.h"

#include "DbBuilder.h"
#include "core/Reporter.h"
#include "refdata/Database.h"
#include "refdata/TableCursor.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tarvik::testing {

// Ids chosen so that India's places lie between Afghanistan's and Nepal's in
// the places index; Antarctica has none.
inline const char* const EditingCountries =
    "Country ID,Country,Zone\n"
    "100,Afghanistan,67E30\n"
    "200,India,82E30\n"
    "300,Nepal,86E15\n"
    "400,Antarctica,0E00\n";

inline const char* const EditingPlaces =
    "Place ID,Country ID,PlaceName,Latitude,Longitude\n"
    "11,100,Kabul,34N31,69E11\n"
    "12,100,Herat,34N20,62E12\n"
    "21,200,Mumbai,18N58,72E50\n"
    "22,200,Delhi,28N39,77E13\n"
    "23,200,agra,27N11,78E01\n"
    "31,300,Kathmandu,27N42,85E19\n";

class EditingTest : public ::testing::Test {
protected:
    void SetUp() override { Build(EditingCountries, EditingPlaces); }

    void Build(const std::string& countries, const std::string& places)
    {
        placesCursor.reset();
        countriesCursor.reset();
        db = Database();
        const std::string file = folder.File("data.db");
        std::filesystem::remove(file);
        folder.Write("countries.csv", countries);
        folder.Write("places.csv", places);
        dbbuild::BuildDatabase({file,
                                SourceDir() + "/data/schema/data.sql",
                                {{"Countries", folder.File("countries.csv")}, {"Places", folder.File("places.csv")}},
                                {}});
        db = Database(file, OpenMode::ReadWrite);
        placesCursor = std::make_unique<TableCursor>(db, "Places");
        countriesCursor = std::make_unique<TableCursor>(db, "Countries");
    }

    TableCursor& Places() { return *placesCursor; }
    TableCursor& Countries() { return *countriesCursor; }

    // One text per row of the query, its fields joined by "|".
    std::vector<std::string> Rows(const std::string& sql)
    {
        std::vector<std::string> rows;
        for (Recordset rs(db, sql); !rs.Eof(); rs.MoveNext()) {
            std::string row;
            for (int f = 0; f < rs.FieldCount(); ++f)
                row += (f ? "|" : "") + rs.Field(f).Text();
            rows.push_back(row);
        }
        return rows;
    }

    std::vector<std::string> PlacesOf(long long countryId)
    {
        return Rows("SELECT PlaceName, Latitude, Longitude FROM Places WHERE [Country ID] = " +
                    std::to_string(countryId) + " ORDER BY PlaceName");
    }

    std::vector<std::string> AllZones() { return Rows("SELECT Country, Zone FROM Countries ORDER BY Country"); }

    // Another copy of the program on the same file: a connection of its own
    // with its own cursors.
    struct OtherCopy {
        explicit OtherCopy(const std::string& file) : db(file, OpenMode::ReadWrite), places(db, "Places"),
                                                      countries(db, "Countries") {}
        Database db;
        TableCursor places;
        TableCursor countries;
    };
    std::unique_ptr<OtherCopy> Elsewhere() { return std::make_unique<OtherCopy>(folder.File("data.db")); }

    ScratchFolder folder;
    Database db;
    std::unique_ptr<TableCursor> placesCursor;
    std::unique_ptr<TableCursor> countriesCursor;
    CollectingReporter messages;
    ScopedReporter collect{messages};
};

} // namespace tarvik::testing
