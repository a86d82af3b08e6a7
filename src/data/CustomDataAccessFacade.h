#pragma once

// The root of all data-access facades.
class TCustomDataAccessFacade
{
public:
    TCustomDataAccessFacade() = default;
    virtual ~TCustomDataAccessFacade() = default;
    TCustomDataAccessFacade(const TCustomDataAccessFacade&) = delete;
    TCustomDataAccessFacade& operator=(const TCustomDataAccessFacade&) = delete;
};
