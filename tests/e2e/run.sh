#!/usr/bin/env bash
echo "end-to-end: not yet"
