#pragma once

class TestService;

// One function per service area, each in routes_<area>.cpp.
void addControlRoutes(TestService& service);
void addAuthRoutes(TestService& service);
void addEchoRoutes(TestService& service);
void addAccountRoutes(TestService& service);
void addSharingRoutes(TestService& service);
void addUpdateRoutes(TestService& service);
void addSyncRoutes(TestService& service);
