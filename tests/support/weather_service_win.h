#pragma once
// A weather service on 127.0.0.1 for the weather kap's tests: forecasts in the service's XML
// words, and a program directory's weather data file pointed at the server.
#include <fstream>
#include <string>
#include <vector>

#include "support/http_server_win.h"

namespace vimo::testsupport {

// A forecast with current conditions (when tmp is not empty) and one day per high temperature;
// day i is named "Day<i>" and shows picture 30 + i.
inline std::string WeatherFeed(const std::string& tmp, const std::vector<std::string>& highs) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><weather ver=\"2.0\"><head><ut>F</ut></head>";
    if (!tmp.empty())
        xml += "<cc><lsup>12/9/26 2:50 AM</lsup><obst>Test Station</obst><tmp>" + tmp + "</tmp><icon>26</icon></cc>";
    xml += "<dayf>";
    for (std::size_t i = 0; i < highs.size(); ++i)
        xml += "<day d=\"" + std::to_string(i) + "\" t=\"Day" + std::to_string(i) + "\"><hi>" + highs[i] +
               "</hi><low>40</low><part p=\"n\"><icon>47</icon></part><part p=\"d\"><icon>" + std::to_string(30 + i) +
               "</icon></part></day>";
    return xml + "</dayf></weather>";
}

// Writes Skin\Default\VimoWeather\Data.VimoWeather under a program directory with the server's
// addresses: search "/search?where=", forecast "/forecast/<code>?cc=*&dayf=5", pages "/local/".
inline void PointWeatherDataAt(const std::string& programDir, const HttpServer& server) {
    const std::string folder = programDir + "\\Skin\\Default\\VimoWeather";
    CreateDirectoryA((programDir + "\\Skin").c_str(), nullptr);
    CreateDirectoryA((programDir + "\\Skin\\Default").c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(folder + "\\Data.VimoWeather", std::ios::binary)
        << "[VimoWeatherData]\r\nSearchRSSURL=" << server.Url("/search?where=")
        << "\r\nBeginRSSURL=" << server.Url("/forecast/")
        << "\r\nEndRSSURL=?cc=*&dayf=5\r\nNavigateURL=" << server.Url("/local/") << "\r\n";
}

// The path a forecast of a location code is asked for.
inline std::string ForecastPath(const std::string& code) { return "/forecast/" + code + "?cc=*&dayf=5"; }

} // namespace vimo::testsupport
