# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README, plus benchmarks.
BUILD ?= build

.PHONY: all deps configure build run test bench pictures package clean sanitize-build test-sanitize fuzz

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j2

run: build
	cd $(BUILD)/bin && ./optika

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	cd $(BUILD)/bin && QT_QPA_PLATFORM=offscreen ./optika-bench

# Renders the chooser's pictures of the models into data/img.
pictures: build
	scripts/make-pictures
	@cmake --build $(BUILD) --target data

# The Debian package $(BUILD)/optika_<version>_<arch>.deb, then its checks.
# cpack installs only what is built here, not the tests and benchmarks.
package:
	@scripts/install-deps --package
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOPTIKA_PACKAGE=ON \
	  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
	@cmake --build $(BUILD) -j2 --target optika optika_docs optika_icons
	cd $(BUILD) && cpack
	scripts/check-package $(BUILD)

# The checked build: clang with AddressSanitizer and UndefinedBehaviorSanitizer,
# the tests and the fuzz targets; `make fuzz FUZZ_SECONDS=600` fuzzes longer.
SANITIZE_BUILD ?= build-sanitize
FUZZ_SECONDS ?= 60
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1 UBSAN_OPTIONS=print_stacktrace=1

sanitize-build: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DOPTIKA_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j2

test-sanitize: sanitize-build
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# Each fuzzer starts from the committed seeds (the rich-text one also from the
# program's own cards) and keeps what it finds in the build folder.
fuzz: sanitize-build
	@for f in rtf_reader ini_text; do \
	  seeds=tests/fuzz/corpus/$$f; [ $$f = rtf_reader ] && seeds="$$seeds data/txt"; \
	  mkdir -p $(SANITIZE_BUILD)/fuzz-corpus/$$f; \
	  echo "fuzzing $$f for $(FUZZ_SECONDS) s"; \
	  $(SANITIZER_ENV) $(SANITIZE_BUILD)/bin/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(SANITIZE_BUILD)/fuzz-$$f- $(SANITIZE_BUILD)/fuzz-corpus/$$f $$seeds || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
