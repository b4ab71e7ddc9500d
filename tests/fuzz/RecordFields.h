// Every double of the calculation record, for targets that check what a step stored.
#pragma once

#include "CalculationState.h"

#include <string>
#include <utility>

// Every double of the record in declaration order, with its name.
template <typename Visit> void ForEachDouble(kvr::CalculationState &s, Visit visit) {
    const std::pair<const char *, double *> scalars[] = {
        {"diameter", &s.diameter},
        {"depth_of_cut", &s.depth_of_cut},
        {"feed", &s.feed},
        {"alpha", &s.alpha},
        {"gamma", &s.gamma},
        {"phi", &s.phi},
        {"phi1", &s.phi1},
        {"chosen_time", &s.chosen_time},
        {"wear_model_coefficient", &s.wear_model_coefficient},
        {"wear_model_exponent", &s.wear_model_exponent},
        {"life_model_coefficient", &s.life_model_coefficient},
        {"life_model_exponent", &s.life_model_exponent},
        {"allowable_flank_wear", &s.allowable_flank_wear},
        {"max_initial_wear", &s.max_initial_wear},
        {"allowable_dimensional_wear", &s.allowable_dimensional_wear},
        {"max_first_time", &s.max_first_time},
        {"max_total_time", &s.max_total_time}};
    for (const auto &[name, field] : scalars)
        visit(std::string(name), *field);
    const std::pair<const char *, kvr::PerCutter *> perCutter[] = {
        {"spindle_speed", &s.spindle_speed}, {"cutting_speed", &s.cutting_speed}};
    const std::pair<const char *, kvr::PerInterval *> perInterval[] = {
        {"running_time", &s.running_time},
        {"cumulative_time", &s.cumulative_time},
        {"flank_wear", &s.flank_wear},
        {"dimensional_wear", &s.dimensional_wear}};
    const std::pair<const char *, kvr::PerCutter *> results[] = {
        {"wear_at_chosen_time", &s.wear_at_chosen_time},
        {"tool_life", &s.tool_life},
        {"wear_rate", &s.wear_rate},
        {"initial_wear", &s.initial_wear}};
    auto cutters = [&](const char *name, kvr::PerCutter &values) {
        for (int i = 1; i <= kvr::kCutters; ++i)
            visit(std::string(name), values[i]);
    };
    for (const auto &[name, values] : perCutter)
        cutters(name, *values);
    for (const auto &[name, values] : perInterval)
        for (int i = 1; i <= kvr::kCutters; ++i)
            cutters(name, (*values)[i]);
    for (const auto &[name, values] : results)
        cutters(name, *values);
}
