#pragma once

// Names, places and the family as people type them, 30 to 50 letters long,
// for the tests of the pages that print them.

namespace tarvik::testing {

struct TypedTexts {
    const char* name;
    const char* place;
    const char* country;
    const char* girlName;
    const char* girlPlace;
    const char* father;
    const char* mother;
    const char* grandfather;
    const char* gotra;
};
inline constexpr TypedTexts LongTexts[] = {
    {"Ramachandra Venkatesh Kulkarni", "Thiruvananthapuram Kazhakoottam", "India",
     "Lakshmi Subramaniam Narayanaswamy", "Visakhapatnam Maddilapalem", "Venkatesh Narayan Kulkarni",
     "Saraswati Venkatesh Kulkarni", "Narayan Govind Kulkarni", "Bharadwaja"},
    {"Ramachandra Venkatesh Kulkarni Srinivasa Iyengar Rao", "Thiruvananthapuram Kazhakoottam Technopark Phase III",
     "Bosnia and Herzegovina", "Lakshmi Subramaniam Narayanaswamy Padmanabhan Devi",
     "Visakhapatnam Maddilapalem Srinagar Colony East Side", "Venkatesh Narayan Kulkarni Srinivasa Iyengar Rao",
     "Saraswati Venkatesh Kulkarni Srinivasa Iyengar", "Narayan Govind Kulkarni Srinivasa Iyengar Rao Sr",
     "Bharadwaja Angirasa Barhaspatya"},
    {"Chandrashekharendra Saraswati Venkataraman", "Chhatrapati Sambhajinagar", "Saint Vincent and the Grenadines",
     "Annapoorna Bhagyalakshmi Ramasubramanian", "Tiruchirappalli Srirangam East", "Subrahmanya Venkatachalapathy",
     "Meenakshisundaram Bhuvaneshwari", "Krishnamachari Srinivasaraghavan", "Kaundinya"},
};

} // namespace tarvik::testing
