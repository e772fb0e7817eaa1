#pragma once

// Zones and places as the entry form picks them: a zone is a Countries row
// (a country, or one standard zone of a country) shown with its standard
// meridian, a place a Places row of that zone. The pickers and horoscope
// files hold the rows' ids; these lookups read the data database.

#include "Database.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvik {

struct ZoneEntry {
    long long countryId = 0;
    std::string description;   // the name, a blank and the meridian in brackets: "India [82E30]"
    std::vector<std::string> otherNames;   // the country's common names ("USA"), table CountryNames
    // The zone's own names: its name, and the country's when the zone is one
    // of several ("Canada (Toronto)" and "Canada").
    std::vector<std::string> names;
};

struct PlaceEntry {
    long long placeId = 0;
    std::string name;
    std::vector<std::string> otherNames;   // official and former names ("Bombay"), table PlaceNames
};

struct CountryRow {
    long long countryId = 0;
    std::string name;
    std::string zone;          // standard meridian as coordinate text, as 82E30
};

struct PlaceRow {
    long long placeId = 0;
    long long countryId = 0;
    std::string name;
    std::string latitude;      // coordinate text, as 28N39
    std::string longitude;     // coordinate text, as 77E13
};

// The zone list of the pickers, in name order, each zone with the other
// names of its country (the name before a bracketed zone: "United States"
// of "United States (Chicago)").
std::vector<ZoneEntry> ZoneList(Database& data);
// The place list of the pickers for one zone, in name order, each place with
// its other names. A data database without the tables of other names (one
// made before them) gives the names alone.
std::vector<PlaceEntry> PlaceList(Database& data, long long countryId);

// Why a zone's meridian or a place's latitude and longitude, as stored, can
// cast no chart (a text the editors would refuse): the row's name, the field
// and what is wrong. Empty when the stored texts are sound.
std::string DamagedCoordinates(const CountryRow& zone);
std::string DamagedCoordinates(const PlaceRow& place);

// A zone by id read straight from the data database, leaving the shared
// cursors where they are.
std::optional<CountryRow> ReadCountry(Database& data, long long countryId);

// Lookups by id or name through the shared cursors of the open data database
// (they leave the cursor on the row found, with the index they need).
std::optional<CountryRow> FindCountry(long long countryId);
std::optional<CountryRow> FindCountryByName(const std::string& name);
std::optional<PlaceRow> FindPlace(long long placeId);
std::optional<PlaceRow> FindPlaceByName(long long countryId, const std::string& name);

} // namespace tarvik
